// Does what Explorer does with a file, for the release check: runs a shell verb on it, then reports as
// NAME=value lines what appeared: the program's Main Window (closed again a second later, as a person
// would, so that it has loaded a setup file named on its command line and saves its sheet), each message
// of the program (answered with OK), and the exit code of the program.
//   release_probe <verb> <file> [parameters]

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {

std::string TextOf(HWND window) {
    char text[1024] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        2000, &copied);
    return text;
}

BOOL CALLBACK AppendText(HWND child, LPARAM text) {
    *reinterpret_cast<std::string*>(text) += TextOf(child);
    return TRUE;
}

struct Search {
    std::string prefix;
    HWND found;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    if (IsWindowVisible(window) && TextOf(window).rfind(search->prefix, 0) == 0)
        search->found = window;
    return TRUE;
}

// The visible top-level window whose title starts with the text, of any process (a shortcut may start
// the program through another one).
HWND FindTitled(const char* prefix) {
    Search search{prefix, nullptr};
    EnumWindows(&MatchTitle, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3)
        return 2;
    SHELLEXECUTEINFOA shell{};
    shell.cbSize = sizeof shell;
    shell.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
    shell.lpVerb = argv[1];
    shell.lpFile = argv[2];
    shell.lpParameters = argc > 3 ? argv[3] : nullptr;
    shell.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExA(&shell)) {
        std::printf("SHELL_ERROR=%lu\n", GetLastError());
        return 1;
    }
    HANDLE program = shell.hProcess;
    bool closing = false;
    for (int tick = 0; tick < 1200; ++tick, Sleep(50)) {
        if (HWND message = FindTitled("Tagmora Professional")) {
            std::string text;
            EnumChildWindows(message, &AppendText, reinterpret_cast<LPARAM>(&text));
            std::printf("MESSAGE=%s\n", text.c_str());
            PostMessageA(message, WM_COMMAND, IDOK, 0);
            Sleep(500);
        }
        HWND mainWindow = FindTitled("Tagmora v");
        if (mainWindow && !closing) {
            std::printf("WINDOW=%s\n", TextOf(mainWindow).c_str());
            DWORD processId = 0;
            GetWindowThreadProcessId(mainWindow, &processId);
            if (!program)
                program = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId);
            Sleep(1000);
            PostMessageA(mainWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
            closing = true;
        }
        DWORD code = 0;
        if (program && WaitForSingleObject(program, 0) == WAIT_OBJECT_0 &&
            GetExitCodeProcess(program, &code)) {
            std::printf("EXIT=%lu\n", code);
            return 0;
        }
    }
    std::printf("TIMEOUT=60s\n");
    return 1;
}
