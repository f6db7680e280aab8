#include "print/print_job.h"

#include <commdlg.h>
#include <winspool.h>

#include "model/user_message.h"
#include "print/printed_log.h"
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

// A started document that is aborted unless it was ended properly.
class PrinterDocument {
  public:
    explicit PrinterDocument(HDC printer) : printer_(printer) {
        DOCINFOA document{};
        document.cbSize = sizeof(document);
        document.lpszDocName = "";
        started_ = StartDocA(printer_, &document) > 0;
    }
    ~PrinterDocument() {
        if (started_)
            AbortDoc(printer_);
    }
    PrinterDocument(const PrinterDocument&) = delete;
    PrinterDocument& operator=(const PrinterDocument&) = delete;
    bool Started() const { return started_; }
    bool End() {
        const bool ended = EndDoc(printer_) > 0;
        started_ = !ended;  // a document that failed to end is aborted
        return ended;
    }

  private:
    HDC printer_;
    bool started_ = false;
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
bool LayOutPage(HDC printer, HWND ownerWindow, const LabelSheet& sheet, TrueSizeDoubt doubt,
                SheetLayout& layout) {
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

bool PrintOnDevice(HDC printer, HWND ownerWindow, const LabelSheet& sheet, TrueSizeDoubt doubt) {
    SheetLayout layout;
    if (!LayOutPage(printer, ownerWindow, sheet, doubt, layout))
        return false;
    Canvas canvas;
    std::string logText;
    {
        PrinterDocument document(printer);
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
    PrintOnDevice(printer.Get(), ownerWindow, sheet, TrueSizeDoubt::Ask);
}

bool PrintOnDefaultPrinter(HWND ownerWindow, const LabelSheet& sheet) {
    if (EnabledShownSlots(sheet).empty()) {
        ShowUserMessage(kNoActiveLabelMessage, ownerWindow);
        return false;
    }
    char name[512] = {};
    DWORD size = sizeof name;
    if (!GetDefaultPrinterA(name, &size)) {
        ShowUserMessage(kNoDefaultPrinterMessage, ownerWindow);
        return false;
    }
    const OwnedDC printer(CreateDCA("WINSPOOL", name, nullptr, nullptr));
    if (!printer) {
        ShowUserMessage(kNotPrintedMessage, ownerWindow);
        return false;
    }
    // Nobody is there to answer: a doubtful true-size page is refused.
    return PrintOnDevice(printer.Get(), ownerWindow, sheet, TrueSizeDoubt::Refuse);
}

}  // namespace tagmora
