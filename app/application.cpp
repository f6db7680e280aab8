#include "app/application.h"

// The common controls' header needs the base declarations first.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
// clang-format on

#include <memory>
#include <optional>

#include "app/command_line.h"
#include "app/gdiplus_paint.h"
#include "app/main_window.h"
#include "app/print_command.h"
#include "app/program_path.h"
#include "model/quit_request.h"
#include "model/user_message.h"
#include "model/working_folder.h"

namespace tagmora {
namespace {

// OLE for the picture decoder and the shell's "open" (the platform asks for COM on the calling thread
// before ShellExecute).
class OleSession {
  public:
    OleSession() : initialised_(SUCCEEDED(OleInitialize(nullptr))) {}
    ~OleSession() {
        if (initialised_)
            OleUninitialize();
    }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;

  private:
    bool initialised_;
};

}  // namespace

int RunApplication(const std::string& commandLine) {
    ClearQuitRequest();
    SetWorkingFolder(ProgramFolder());
    const CommandLine command = ParseCommandLine(commandLine);
    if (command.print)
        return PrintSetupFile(command.setupPath);

    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    const OleSession ole;

    std::optional<GdiplusSession> gdiplus;
    gdiplus.emplace();
    auto mainWindow = std::make_unique<MainWindow>();
    mainWindow->SetPendingSetupPath(command.setupPath);
    mainWindow->SetPendingAddressPath(command.addressPath);
    const INT_PTR result = mainWindow->RunModal();
    gdiplus.reset();
    // Deleting the Main Window deletes the Preview Control, which saves the sheet to "wm.dat".
    mainWindow.reset();
    if (result == -1) {
        ShowUserMessage(kCannotStartMessage);
        return 1;
    }
    return 0;
}

}  // namespace tagmora
