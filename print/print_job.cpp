#include "print/print_job.h"

#include <commdlg.h>
#include <winspool.h>

#include <cmath>
#include <optional>
#include <string>

#include "alignment/printers_file.h"
#include "model/user_message.h"
#include "print/printed_log.h"
#include "print/printer_choice.h"
#include "print/printer_document.h"
#include "print/true_size_checks.h"
#include "render/canvas.h"
#include "render/label_drawing.h"
#include "render/sheet_layout.h"
#include "render/true_size_layout.h"
#include "win/gdi.h"

namespace tagmora {

namespace {

// The print dialog hands back global memory for the device mode and names; released with the dialog.
struct PrintDialogResult {
    PrintDialogResult() { dialog.lStructSize = sizeof dialog; }
    ~PrintDialogResult() { const GlobalMemory devMode(dialog.hDevMode), devNames(dialog.hDevNames); }
    PrintDialogResult(const PrintDialogResult&) = delete;
    PrintDialogResult& operator=(const PrintDialogResult&) = delete;
    PRINTDLGA dialog{};
};

PrinterPaper PaperOf(HDC printer) {
    PrinterPaper paper;
    paper.logPixelsX = GetDeviceCaps(printer, LOGPIXELSX);
    paper.logPixelsY = GetDeviceCaps(printer, LOGPIXELSY);
    paper.physicalWidth = GetDeviceCaps(printer, PHYSICALWIDTH);
    paper.physicalHeight = GetDeviceCaps(printer, PHYSICALHEIGHT);
    paper.physicalOffsetX = GetDeviceCaps(printer, PHYSICALOFFSETX);
    paper.physicalOffsetY = GetDeviceCaps(printer, PHYSICALOFFSETY);
    paper.printableWidth = GetDeviceCaps(printer, HORZRES);
    paper.printableHeight = GetDeviceCaps(printer, VERTRES);
    return paper;
}

// The page's layout. In true size, first every doubt about the paper: asked, or said and refused.
// Every label where the printer's own error will put it right: moved and scaled as the stored alignment
// of the printer says. Millimetres on the paper are the common ground of the layout and the alignment.
void CorrectForPrinter(SheetLayout& layout, const PrinterPaper& paper, const AffineMap& printerError) {
    const std::optional<AffineMap> correction = Inverse(printerError);
    if (!correction || paper.logPixelsX <= 0 || paper.logPixelsY <= 0)
        return;
    const double dotsX = paper.logPixelsX / 25.4, dotsY = paper.logPixelsY / 25.4;
    const double scaleX = std::hypot(correction->xx, correction->yx),
                 scaleY = std::hypot(correction->xy, correction->yy);
    for (int i = 0; i < layout.count; ++i) {
        SlotLayout& slot = layout.slots[static_cast<std::size_t>(i)];
        const MillimetreRect nominal{(slot.label.left + paper.physicalOffsetX) / dotsX,
                                     (slot.label.top + paper.physicalOffsetY) / dotsY,
                                     (slot.label.right + paper.physicalOffsetX) / dotsX,
                                     (slot.label.bottom + paper.physicalOffsetY) / dotsY};
        const MillimetreRect sent = CorrectedRect(*correction, nominal);
        slot.label = {RoundToDevice(sent.left * dotsX - paper.physicalOffsetX),
                      RoundToDevice(sent.top * dotsY - paper.physicalOffsetY),
                      RoundToDevice(sent.right * dotsX - paper.physicalOffsetX),
                      RoundToDevice(sent.bottom * dotsY - paper.physicalOffsetY)};
        slot.xScale = static_cast<float>(slot.xScale * scaleX);
        slot.yScale = static_cast<float>(slot.yScale * scaleY);
    }
}

bool LayOutPage(HDC printer, HWND ownerWindow, const LabelSheet& sheet, TrueSizeDoubt doubt,
                const std::string& printerName, SheetLayout& layout) {
    const PrinterPaper paper = PaperOf(printer);
    if (!sheet.Settings().TRUESIZE) {
        // Deliberately the printable area, not the physical paper: the sheet is stretched over what the
        // printer can reach, as this program has always printed, so that a sheet set up for one printer's
        // margins prints the same on the next.
        layout = LayOutSheet(sheet.Settings(), DeviceRect{0, 0, paper.printableWidth, paper.printableHeight});
        return true;
    }
    layout =
        LayOutTrueSize(sheet.Settings(), PrinterPaperMapping(paper.logPixelsX, paper.logPixelsY,
                                                             paper.physicalOffsetX, paper.physicalOffsetY));
    for (const std::string& text : TrueSizeDoubts(sheet, layout, paper)) {
        if (doubt == TrueSizeDoubt::Refuse) {
            ShowUserMessage(text + kNothingPrintedNote, ownerWindow);
            return false;
        }
        if (!AskUserYesNo(text + kPrintAnywayQuestion, ownerWindow))
            return false;
    }
    // Only a true-size page is corrected: the classic page never meant millimetres on the paper.
    if (!printerName.empty()) {
        if (const PrinterAlignment* alignment = ReadPrintersFile().Find(printerName))
            CorrectForPrinter(layout, paper, alignment->printerMap);
    }
    return true;
}

}  // namespace

std::vector<int> EnabledShownSlots(const LabelSheet& sheet) {
    std::vector<int> slots;
    for (int i = 0; i < sheet.LabelCount(); ++i) {
        if (sheet.Slot(i).enabled)
            slots.push_back(i);
    }
    return slots;
}

bool PrintOnDevice(HDC printer, HWND ownerWindow, const LabelSheet& sheet, TrueSizeDoubt doubt,
                   const std::string& printerName) {
    SheetLayout layout;
    if (!LayOutPage(printer, ownerWindow, sheet, doubt, printerName, layout))
        return false;
    Canvas canvas;
    std::string logText;
    {
        PrinterDocument document(printer, "");
        bool printed = document.Started();
        if (printed) {
            // From the picture the job's canvas keeps: a large logo file is loaded once per job.
            const float logoAspect = canvas.LogoAspect(sheet.Settings().LOGO);
            printed = StartPage(printer) > 0;
            if (printed) {
                ScopedCanvasTarget onPrinter(canvas, printer);
                for (int slot : EnabledShownSlots(sheet)) {
                    DrawLabel(canvas, sheet.Settings(), sheet.Slot(slot),
                              layout.slots[static_cast<size_t>(slot)], logoAspect, true);
                    AppendPrintedLogEntry(logText, sheet.Slot(slot).DEST);
                }
                printed = EndPage(printer) > 0;
            }
            // A job that never reached the printer must not be logged as printed.
            printed = printed && document.End();
        }
        if (!printed) {
            ShowUserMessage(kNotPrintedMessage, ownerWindow);
            return false;
        }
    }
    WritePrintedLog(logText);
    return true;
}

void PrintJob(HWND ownerWindow, const LabelSheet& sheet) {
    if (EnabledShownSlots(sheet).empty()) {
        ShowUserMessage(kNoActiveLabelMessage, ownerWindow);
        return;
    }
    PrintDialogResult result;
    PRINTDLGA& dialog = result.dialog;
    dialog.hwndOwner = ownerWindow;
    dialog.Flags = PD_ALLPAGES | PD_NOPAGENUMS | PD_NOSELECTION | PD_HIDEPRINTTOFILE |
                   PD_USEDEVMODECOPIESANDCOLLATE | PD_RETURNDC;
    if (!PrintDlgA(&dialog) || !dialog.hDC)
        return;
    const OwnedDC printer(dialog.hDC);
    PrintOnDevice(printer.Get(), ownerWindow, sheet, TrueSizeDoubt::Ask, PrinterNameFrom(dialog.hDevNames));
}

bool PrintOnDefaultPrinter(HWND ownerWindow, const LabelSheet& sheet) {
    if (EnabledShownSlots(sheet).empty()) {
        ShowUserMessage(kNoActiveLabelMessage, ownerWindow);
        return false;
    }
    const std::string name = DefaultPrinterName();
    if (name.empty()) {
        ShowUserMessage(kNoDefaultPrinterMessage, ownerWindow);
        return false;
    }
    const OwnedDC printer(CreateDCA("WINSPOOL", name.c_str(), nullptr, nullptr));
    if (!printer) {
        ShowUserMessage(kNotPrintedMessage, ownerWindow);
        return false;
    }
    // Nobody is there to answer: a doubtful true-size page is refused.
    return PrintOnDevice(printer.Get(), ownerWindow, sheet, TrueSizeDoubt::Refuse, name);
}

}  // namespace tagmora
