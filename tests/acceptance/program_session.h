#pragma once
// One run of the real Tagmora.exe, as a person starts it: the program copied into a folder of its own
// (so that "wm.dat" and the printed logs are that run's), optionally with its GFX\ pictures, started with
// a command line, and found on the screen by its title.

#include <windows.h>

#include <chrono>
#include <string>

namespace tagmora::acceptance {

// The folder of the test program, which is where the build puts Tagmora.exe and GFX\.
std::string BuildBinFolder();

// Copies Tagmora.exe (and GFX\ when asked) into the folder, which must end with a backslash.
bool InstallProgram(const std::string& folder, bool withPictures);

class ProgramSession {
  public:
    // Starts <folder>Tagmora.exe with the command line (the part after the program name) and waits for
    // its Main Window.
    ProgramSession(const std::string& folder, const std::string& commandLine = "");
    // A program still running is closed as a person would (the close box), and killed if it does not end.
    ~ProgramSession();
    ProgramSession(const ProgramSession&) = delete;
    ProgramSession& operator=(const ProgramSession&) = delete;

    bool Started() const { return mainWindow_ != nullptr; }
    // Why there is no Main Window, with how long the session waited for it; empty once started.
    std::string StartFailure() const;
    HWND MainWindow() const { return mainWindow_; }
    DWORD ProcessId() const { return processId_; }

    // The program's top-level window with exactly this title, or null.
    HWND FindWindowTitled(const std::string& title) const;
    // A visible message box or dialog of the program other than the Main Window, or null.
    HWND FindOtherDialog() const;

    bool WaitForExit(std::chrono::milliseconds timeout);
    bool Running() const;
    DWORD ExitCode() const;

  private:
    PROCESS_INFORMATION process_{};
    DWORD processId_ = 0;
    HWND mainWindow_ = nullptr;
    std::chrono::milliseconds startWait_{0};
};

// Polls the condition until it holds or the time is up.
template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition())
            return true;
        if (std::chrono::steady_clock::now() > end)
            return false;
        Sleep(50);
    }
}

// Screen rectangle of a window's client area.
RECT ClientRectOnScreen(HWND window);

}  // namespace tagmora::acceptance
