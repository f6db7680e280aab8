#include "print/run_progress.h"

#include <string>

#include "res/resource_ids.h"

namespace tagmora {

RunProgress::RunProgress(HWND parent, int firstPage, int lastPage, std::function<bool(int page)> printPage)
    : Dialog(IDD_RUN_PROGRESS, parent),
      firstPage_(firstPage),
      lastPage_(lastPage),
      printPage_(std::move(printPage)) {}

BOOL RunProgress::OnInitDialog() {
    CentreOverOwner();
    ShowPage(firstPage_);
    // A page per tick: between two, the dialog's loop handles Cancel and repaints.
    SetTimer(Window(), IDT_RUN_PROGRESS, 1, nullptr);
    return TRUE;
}

void RunProgress::ShowPage(int page) {
    const int count = lastPage_ - firstPage_ + 1, at = page - firstPage_ + 1;
    const std::string text = "Printing page " + std::to_string(at) + " of " + std::to_string(count);
    SetWindowTextA(Item(IDC_RUN_PROGRESS_TEXT), text.c_str());
}

bool RunProgress::OnTimer(UINT_PTR) {
    const int page = firstPage_ + printed_;
    if (cancelled_ || page > lastPage_) {
        KillTimer(Window(), IDT_RUN_PROGRESS);
        EndDialog(IDOK);
        return true;
    }
    ShowPage(page);
    UpdateWindow(Window());
    if (!printPage_(page)) {
        failed_ = true;
        cancelled_ = true;
        return true;
    }
    ++printed_;
    return true;
}

// Ends the run after the page being printed: what went to the printer stays printed and logged.
void RunProgress::OnCancel() {
    cancelled_ = true;
}

}  // namespace tagmora
