#pragma once
// "Printing page 3 of 8": the pages of a run printed one at a time from the dialog's own message loop, so
// that Cancel is seen between pages and the window stays responsive.

#include <functional>

#include "win/dialog.h"

namespace tagmora {

class RunProgress : public Dialog {
  public:
    // printPage(k) prints page k of the range (1-based numbers as the run counts them); false stops the run.
    RunProgress(HWND parent, int firstPage, int lastPage, std::function<bool(int page)> printPage);

    // The pages printed, from the first; fewer than asked after a Cancel or a failure.
    int PagesPrinted() const { return printed_; }
    bool Failed() const { return failed_; }

  protected:
    BOOL OnInitDialog() override;
    bool OnTimer(UINT_PTR timerId) override;
    void OnCancel() override;

  private:
    void ShowPage(int page);

    int firstPage_;
    int lastPage_;
    std::function<bool(int page)> printPage_;
    int printed_ = 0;
    bool failed_ = false;
    bool cancelled_ = false;
};

}  // namespace tagmora
