// Does what Explorer does with a file, for the release check: runs a shell verb on it ("open" on a
// shortcut, a program or a setup file; "print" on a setup file), then reports what appeared as NAME=value
// lines: the program's Main Window (closed again as a person would, so that it saves its sheet), any
// message of the program (answered with OK) and the exit code of the program that ran.
//   release_probe <verb> <file>

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

BOOL CALLBACK AppendStaticText(HWND child, LPARAM text) {
    char className[16] = {};
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") == 0)
        *reinterpret_cast<std::string*>(text) += TextOf(child);
    return TRUE;
}

struct Seen {
    HWND mainWindow = nullptr;
    HWND message = nullptr;
};

BOOL CALLBACK FindProgramWindows(HWND window, LPARAM parameter) {
    auto* seen = reinterpret_cast<Seen*>(parameter);
    if (!IsWindowVisible(window))
        return TRUE;
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    const std::string title = TextOf(window);
    if (title.rfind("Tagmora v", 0) == 0)
        seen->mainWindow = window;
    else if (title == "Tagmora Professional" && std::string(className) == "#32770")
        seen->message = window;
    return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: release_probe <verb> <file>\n");
        return 2;
    }
    SHELLEXECUTEINFOA shell{};
    shell.cbSize = sizeof shell;
    shell.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    shell.lpVerb = argv[1];
    shell.lpFile = argv[2];
    shell.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExA(&shell)) {
        std::printf("SHELL_ERROR=%lu\n", GetLastError());
        return 1;
    }
    // A shortcut may start the program through another process: the program is whoever owns its window.
    HANDLE program = shell.hProcess;
    bool closing = false;
    for (int tick = 0; tick < 1200; ++tick) {
        Seen seen;
        EnumWindows(&FindProgramWindows, reinterpret_cast<LPARAM>(&seen));
        if (seen.message) {
            std::string text;
            EnumChildWindows(seen.message, &AppendStaticText, reinterpret_cast<LPARAM>(&text));
            std::printf("MESSAGE=%s\n", text.c_str());
            PostMessageA(seen.message, WM_COMMAND, IDOK, 0);
        }
        if (seen.mainWindow && !closing) {
            std::printf("WINDOW=%s\n", TextOf(seen.mainWindow).c_str());
            DWORD processId = 0;
            GetWindowThreadProcessId(seen.mainWindow, &processId);
            if (HANDLE owner = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId)) {
                if (program)
                    CloseHandle(program);
                program = owner;
            }
            // A setup file named on the command line is loaded at the window's first timer tick.
            Sleep(1000);
            PostMessageA(seen.mainWindow, WM_SYSCOMMAND, SC_CLOSE, 0);
            closing = true;
        }
        DWORD code = 0;
        if (program && WaitForSingleObject(program, 0) == WAIT_OBJECT_0 &&
            GetExitCodeProcess(program, &code)) {
            std::printf("EXIT=%lu\n", code);
            return 0;
        }
        std::fflush(stdout);
        Sleep(50);
    }
    std::printf("TIMEOUT=60s\n");
    return 1;
}
