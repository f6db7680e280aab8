#pragma once
// "Checking for newer application version...": asks the maker's server for the newest release number,
// says in one message whether this release is the newest, and offers to go to the download page, which
// shuts the program down. It changes nothing but the quit request.

#include "win/dialog.h"

namespace tagmora {

class VersionCheck : public Dialog {
  public:
    explicit VersionCheck(HWND parent);

  protected:
    BOOL OnInitDialog() override;
    // The check, at the first tick: it blocks the dialog while the version file downloads.
    bool OnTimer(UINT_PTR timerId) override;
    bool OnCommand(int controlId, int notification, HWND control) override;
    // Enter never closes the dialog.
    void OnOK() override {}

  private:
    void RunCheck();
    void GoGetNewerVersion();
};

}  // namespace tagmora
