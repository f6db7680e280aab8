#pragma once
// Printing the current sheet: every enabled label among the shown slots, on one page of the printer the
// user picks, drawn exactly as the preview draws it, then the printed-labels log.

#include <windows.h>

#include <string>
#include <vector>

#include "model/label_sheet.h"

namespace tagmora {

constexpr const char* kNoActiveLabelMessage =
    "In order to print a label you must have at least one label ACTIVE.\r"
    "To activate a label simply click on the label in the print preview window.\r"
    "An active label is bright, an inactive label is grey";

constexpr const char* kNotPrintedMessage =
    "The labels were not printed.\r"
    "The printer did not accept the page. Check the printer and print again; no log was written.";

constexpr const char* kNoDefaultPrinterMessage =
    "The labels were not printed.\r"
    "Windows has no default printer. Choose one in the Windows printer settings and print again.";

// The shown slots (0 .. COLS x ROWS - 1) that are enabled, in slot order.
std::vector<int> EnabledShownSlots(const LabelSheet& sheet);

// Runs the whole job: the message when no shown label is enabled, the print dialog (owned by ownerWindow),
// the page, the log.
void PrintJob(HWND ownerWindow, const LabelSheet& sheet);

// What becomes of a true-size page that would not land on the sheet (another paper, labels in the edge the
// printer cannot print): the user is asked whether to print it anyway, or it is refused after the message.
enum class TrueSizeDoubt { Ask, Refuse };

// The part after the dialog, given the printer's device context (the job does not own it): the document,
// the page, the log. False, after the not-printed message, when the printer refused the document or page;
// false too when a true-size page was refused or not wanted, with nothing sent to the printer.
// The page is drawn through a Canvas of the job's own: text heights found on one printer are never
// reused on another, which may have the same resolution and paper but other fonts.
// A true-size page on a printer whose alignment printers.dat holds (by this name) is corrected for it.
bool PrintOnDevice(HDC printer, HWND ownerWindow, const LabelSheet& sheet,
                   TrueSizeDoubt doubt = TrueSizeDoubt::Ask, const std::string& printerName = "");

// The job without the dialog, on the default printer, as Explorer's "Print" prints a document. False,
// after its message, when no page was printed: no enabled label, no default printer, a refused page, a
// doubtful true-size page.
bool PrintOnDefaultPrinter(HWND ownerWindow, const LabelSheet& sheet);

}  // namespace tagmora
