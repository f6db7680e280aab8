#include "update/version_check.h"

#include <shellapi.h>

#include <string>

#include "model/quit_request.h"
#include "res/resource_ids.h"
#include "site_config.h"
#include "update/http_fetcher.h"
#include "update/version_answer.h"

namespace tagmora {
namespace {

constexpr UINT kStartDelayMs = 100;
constexpr DWORD kReceiveTimeoutMs = 2000;

// The build's address, unless the environment names another (a test server, a mirror).
std::string VersionFileUrl() {
    char url[2048] = {};
    const DWORD length = GetEnvironmentVariableA("TAGMORA_VERSION_URL", url, sizeof url);
    return length > 0 && length < sizeof url ? std::string(url, length) : std::string(TAGMORA_VERSION_URL);
}

// The wait cursor while the thread blocks; nothing else sets the cursor meanwhile, because no message is
// dispatched.
class WaitCursor {
  public:
    WaitCursor() : previous_(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(previous_); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

  private:
    HCURSOR previous_;
};

}  // namespace

VersionCheck::VersionCheck(HWND parent) : Dialog(IDD_VERSION_CHECK, parent) {}

BOOL VersionCheck::OnInitDialog() {
    CentreOverOwner();
    // Hidden is not enough: Enter presses the default button even when it is hidden, and that would open the
    // download page and end the program after "Unable to contact server!". Disabled, and with Cancel the
    // default until it shows, Enter closes the dialog.
    ShowWindow(Item(IDC_GO_GET_NEWER_VERSION), SW_HIDE);
    EnableWindow(Item(IDC_GO_GET_NEWER_VERSION), FALSE);
    SendMessageA(Window(), DM_SETDEFID, IDCANCEL, 0);
    // The dialog shows first, empty, and the check starts a moment later.
    SetTimer(Window(), IDT_VERSION_CHECK, kStartDelayMs, nullptr);
    return TRUE;
}

bool VersionCheck::OnTimer(UINT_PTR) {
    RunCheck();
    return true;
}

bool VersionCheck::OnCommand(int controlId, int notification, HWND control) {
    if (controlId != IDC_GO_GET_NEWER_VERSION || notification != BN_CLICKED)
        return false;
    GoGetNewerVersion();
    return true;
}

void VersionCheck::RunCheck() {
    const WaitCursor wait;
    KillTimer(Window(), IDT_VERSION_CHECK);
    const HWND message = Item(IDC_VERSION_MESSAGE);
    HttpFetcher fetcher;
    fetcher.SetTimeout(kReceiveTimeoutMs);
    std::string fetched;
    const FetchOutcome outcome = fetcher.CreateContext(nullptr, message)
                                     ? fetcher.Fetch(VersionFileUrl(), fetched, nullptr, message)
                                     : FetchOutcome::Failed;
    const VersionVerdict verdict = JudgeVersionAnswer(outcome, fetched);
    if (verdict.newer) {
        EnableWindow(Item(IDC_GO_GET_NEWER_VERSION), TRUE);
        ShowWindow(Item(IDC_GO_GET_NEWER_VERSION), SW_SHOW);
        SendMessageA(Window(), DM_SETDEFID, IDC_GO_GET_NEWER_VERSION, 0);
    }
    SetWindowTextA(message, verdict.message.c_str());
}

void VersionCheck::GoGetNewerVersion() {
    // A command from a key typed while the fetch blocked arrives only now; it counts only for the button
    // shown.
    if (!IsWindowVisible(Item(IDC_GO_GET_NEWER_VERSION)))
        return;
    // The browser is asked first; the program closes afterwards, saving its state as on any exit: the
    // Setup Dialog ends when it sees the quit request, and the Main Window at its next tick.
    ShellExecuteA(Window(), "open", TAGMORA_DOWNLOAD_URL, "", "", SW_SHOWMAXIMIZED);
    RequestQuit();
    EndDialog(IDCANCEL);
}

}  // namespace tagmora
