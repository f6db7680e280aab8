#include "program_session.h"

#include <vector>

namespace tagmora::acceptance {
namespace {

constexpr const char* kProgram = "Tagmora.exe";
constexpr const char* kMainTitlePrefix = "Tagmora v";

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string WindowTitle(HWND window) {
    char title[256] = {};
    GetWindowTextA(window, title, sizeof title);
    return title;
}

struct Search {
    DWORD processId;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectProcessWindows(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window))
        search->windows.push_back(window);
    return TRUE;
}

std::vector<HWND> VisibleWindowsOf(DWORD processId) {
    Search search{processId, {}};
    EnumWindows(&CollectProcessWindows, reinterpret_cast<LPARAM>(&search));
    return search.windows;
}

}  // namespace

std::string BuildBinFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return FolderOf(path);
}

bool InstallProgram(const std::string& folder, bool withPictures) {
    const std::string bin = BuildBinFolder();
    if (!CopyFileA((bin + kProgram).c_str(), (folder + kProgram).c_str(), FALSE))
        return false;
    // The product catalogue ships beside the program; a folder without it is the chooser's own test.
    CopyFileA((bin + "sheet-products.txt").c_str(), (folder + "sheet-products.txt").c_str(), FALSE);
    if (!withPictures)
        return true;
    CreateDirectoryA((folder + "GFX").c_str(), nullptr);
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((bin + "GFX\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            continue;
        CopyFileA((bin + "GFX\\" + found.cFileName).c_str(), (folder + "GFX\\" + found.cFileName).c_str(),
                  FALSE);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return true;
}

// A loaded 2-core machine under Wine has been seen to take half a minute to show the first window.
constexpr std::chrono::seconds kStartTimeout{120};

ProgramSession::ProgramSession(const std::string& folder, const std::string& commandLine) {
    std::string line = "\"" + folder + kProgram + "\"";
    if (!commandLine.empty())
        line += " " + commandLine;
    std::vector<char> mutableLine(line.begin(), line.end());
    mutableLine.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    // Started from another folder than its own: the program must find its files by its own path.
    if (!CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process_)) {
        return;
    }
    processId_ = process_.dwProcessId;
    const auto begun = std::chrono::steady_clock::now();
    WaitUntil(
        [this] {
            for (HWND window : VisibleWindowsOf(processId_)) {
                if (WindowTitle(window).rfind(kMainTitlePrefix, 0) == 0) {
                    mainWindow_ = window;
                    return true;
                }
            }
            return !Running();
        },
        kStartTimeout);
    startWait_ =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - begun);
}

std::string ProgramSession::StartFailure() const {
    if (mainWindow_)
        return "";
    if (!process_.hProcess)
        return "the program could not be started";
    const std::string waited = "after " + std::to_string(startWait_.count()) + " ms";
    return Running() ? "no Main Window appeared " + waited
                     : "the program ended with exit code " + std::to_string(ExitCode()) + " " + waited;
}

ProgramSession::~ProgramSession() {
    if (process_.hProcess) {
        if (Running()) {
            for (HWND dialog = FindOtherDialog(); dialog; dialog = FindOtherDialog()) {
                PostMessageA(dialog, WM_CLOSE, 0, 0);
                if (!WaitUntil([dialog] { return !IsWindow(dialog); }, std::chrono::seconds(3)))
                    break;
            }
            if (mainWindow_ && IsWindow(mainWindow_))
                PostMessageA(mainWindow_, WM_SYSCOMMAND, SC_CLOSE, 0);
            if (!WaitForExit(std::chrono::seconds(10)))
                TerminateProcess(process_.hProcess, 99);
        }
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
}

HWND ProgramSession::FindWindowTitled(const std::string& title) const {
    for (HWND window : VisibleWindowsOf(processId_)) {
        if (WindowTitle(window) == title)
            return window;
    }
    return nullptr;
}

HWND ProgramSession::FindOtherDialog() const {
    for (HWND window : VisibleWindowsOf(processId_)) {
        if (window == mainWindow_)
            continue;
        char className[16] = {};
        GetClassNameA(window, className, sizeof className);
        if (std::string(className) == "#32770")
            return window;
    }
    return nullptr;
}

bool ProgramSession::WaitForExit(std::chrono::milliseconds timeout) {
    if (!process_.hProcess)
        return true;
    return WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

bool ProgramSession::Running() const {
    return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

DWORD ProgramSession::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (process_.hProcess)
        GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

RECT ClientRectOnScreen(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace tagmora::acceptance
