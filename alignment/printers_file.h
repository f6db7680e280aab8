#pragma once
// "printers.dat": the alignment of every printer the user has aligned, by the name the print dialog gives
// it. It belongs to the printers, not to a sheet, so it lives beside the program rather than in a setup
// file. The text: the header line, then one line per printer, name "=" points, each point
// "x,y,dx,dy" in millimetres, points separated by ";", every line ending in CR LF.

#include <string>
#include <string_view>
#include <vector>

#include "alignment/printer_map.h"

namespace tagmora {

constexpr const char* kPrintersFileName = "printers.dat";
constexpr const char* kPrintersFileHeader = "[TAGMORA PRINTER ALIGNMENT]";

struct PrinterAlignment {
    std::string printer;
    std::vector<AlignmentPoint> points;
    AffineMap printerMap;  // what the printer does, solved from the points
};

// What the file says about one printer.
enum class AlignmentState { None, Aligned, Damaged };

class PrinterAlignments {
  public:
    PrinterAlignments() = default;
    explicit PrinterAlignments(std::string_view text);

    AlignmentState StateOf(std::string_view printer) const;
    // The printer's alignment when its line is sound; null otherwise.
    const PrinterAlignment* Find(std::string_view printer) const;

    // Replaces the printer's line (or adds one); false, changing nothing, when the points solve to no map.
    bool Store(std::string_view printer, const std::vector<AlignmentPoint>& points);
    // Forgets the printer: it prints uncorrected again.
    void Remove(std::string_view printer);

    // Lines the reader could not use at all stay as they were, so that nothing in the file is lost.
    std::string Text() const;

  private:
    struct Line {
        std::string text;     // as read, or as Store writes it
        std::string printer;  // empty when the line names none
        bool sound = false;
        PrinterAlignment alignment;
    };
    const Line* LineOf(std::string_view printer) const;

    std::vector<Line> lines_;
};

// The file beside the program; an empty set when there is none. A file that cannot be read reports
// nothing and gives the empty set too: the printer then prints uncorrected.
PrinterAlignments ReadPrintersFile();
// False after the write message when the file could not be written.
bool WritePrintersFile(const PrinterAlignments& alignments);

}  // namespace tagmora
