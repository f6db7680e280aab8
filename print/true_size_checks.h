#pragma once
// What is asked before a true-size page goes to the printer: a printer whose paper is not the sheet's puts
// every label off its place, and a label reaching into the edge the printer cannot print loses its border
// there. Either way the page would not be what the sheet needs; the user decides.

#include <string>
#include <vector>

#include "model/label_sheet.h"
#include "render/sheet_layout.h"

namespace tagmora {

// The printer page as GetDeviceCaps reports it, in dots.
struct PrinterPaper {
    int logPixelsX = 0;
    int logPixelsY = 0;
    int physicalWidth = 0;  // the whole paper
    int physicalHeight = 0;
    int physicalOffsetX = 0;  // where the printable area starts on it
    int physicalOffsetY = 0;
    int printableWidth = 0;   // HORZRES
    int printableHeight = 0;  // VERTRES
};

// How far the printer's paper may differ from the sheet's, either way, before the user is asked.
constexpr int kPaperToleranceHundredths = 100;

// The message when the paper differs from the sheet's by more than the tolerance, else empty.
std::string PaperMismatchText(const SheetSettings& settings, const PrinterPaper& paper);

// The message naming every enabled shown label of the true-size layout that reaches past the printable
// area, and by how much, else empty. Labels are counted from 1, row by row from the top left.
std::string UnprintableLabelsText(const LabelSheet& sheet, const SheetLayout& layout,
                                  const PrinterPaper& paper);

// Both messages, in that order, leaving out the empty ones.
std::vector<std::string> TrueSizeDoubts(const LabelSheet& sheet, const SheetLayout& layout,
                                        const PrinterPaper& paper);

// Added to a doubt when the user can still choose; and when "/p" refuses the page instead.
constexpr const char* kPrintAnywayQuestion = "\r\rPrint anyway?";
constexpr const char* kNothingPrintedNote = "\r\rNothing was printed.";

}  // namespace tagmora
