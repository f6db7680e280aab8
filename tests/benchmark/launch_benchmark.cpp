// Times the launch of the real Tagmora.exe on a full 8 x 16 sheet, from CreateProcess until its Main Window
// is visible and the program waits for input (its first paint done), beside an empty Win32 window program
// started the same way: the difference is what the program's own start-up costs, work moved there included.
// Needs a display; run it with run_launch_benchmark.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/program_path.h"
#include "model/label_sheet.h"
#include "model/sheet_persistence.h"
#include "model/working_folder.h"
#include "sheet_drawing.h"

namespace tagmora::bench {
namespace {

constexpr int kRuns = 7;
constexpr double kTimeoutMs = 30000;

double Now() {
    LARGE_INTEGER frequency{};
    LARGE_INTEGER counter{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

struct WindowSearch {
    DWORD processId;
    bool found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window)) {
        search->found = true;
        return FALSE;
    }
    return TRUE;
}

bool HasVisibleWindow(DWORD processId) {
    WindowSearch search{processId, false};
    EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// One start: milliseconds until the program shows a window and waits for input, or -1 when it ended first
// or took too long. The program is ended at once afterwards, before it saves anything.
double TimeOneLaunch(const std::string& folder, const std::string& program) {
    std::string line = "\"" + folder + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const double start = Now();
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process)) {
        return -1;
    }
    double elapsed = -1;
    while (Now() - start < kTimeoutMs) {
        if (WaitForInputIdle(process.hProcess, 0) == 0 && HasVisibleWindow(process.dwProcessId)) {
            elapsed = Now() - start;
            break;
        }
        if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0)
            break;
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

struct Figures {
    double best = 0;
    double median = 0;
};

Figures Summary(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return {times.front(), times[times.size() / 2]};
}

bool CopyProgram(const std::string& from, const std::string& to) {
    CreateDirectoryA(to.c_str(), nullptr);
    CreateDirectoryA((to + "GFX").c_str(), nullptr);
    bool copied = CopyFileA((from + "Tagmora.exe").c_str(), (to + "Tagmora.exe").c_str(), FALSE) &&
                  CopyFileA((from + "empty_window.exe").c_str(), (to + "empty_window.exe").c_str(), FALSE);
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((from + "GFX\\*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            const std::string name = std::string("GFX\\") + found.cFileName;
            copied = copied && CopyFileA((from + name).c_str(), (to + name).c_str(), FALSE);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return copied;
}

int Run() {
    // A folder of its own, whose wm.dat holds the full sheet; the program is ended before it saves.
    const std::string folder = ProgramFolder() + "launch-benchmark\\";
    if (!CopyProgram(ProgramFolder(), folder)) {
        std::printf("cannot copy Tagmora.exe, empty_window.exe and GFX\\ into %s\n", folder.c_str());
        return 1;
    }
    SetWorkingFolder(folder);
    LabelSheet sheet;
    sheet.ApplyDefaults();
    sheet.MutableSettings().COLS = kMaxColumns;
    sheet.MutableSettings().ROWS = kMaxRows;
    FillWithVariedAddresses(sheet, false);
    if (!SaveSheetToPath(sheet, folder + kStateFileName))
        return 1;

    // One start of each first, so that both series begin with the files in the cache.
    std::vector<double> empty;
    std::vector<double> tagmora;
    bool ok = TimeOneLaunch(folder, "empty_window.exe") >= 0 && TimeOneLaunch(folder, "Tagmora.exe") >= 0;
    for (int run = 0; ok && run < kRuns; ++run) {
        empty.push_back(TimeOneLaunch(folder, "empty_window.exe"));
        tagmora.push_back(TimeOneLaunch(folder, "Tagmora.exe"));
        ok = empty.back() >= 0 && tagmora.back() >= 0;
    }
    if (!ok) {
        std::printf("a program showed no window or did not settle (is there a display?)\n");
        return 1;
    }
    const Figures onEmpty = Summary(empty);
    const Figures onTagmora = Summary(tagmora);
    std::printf("empty window: %d runs, best %.0f ms, median %.0f ms\n", kRuns, onEmpty.best, onEmpty.median);
    std::printf("Tagmora.exe, 8 x 16 sheet: %d runs, best %.0f ms, median %.0f ms\n", kRuns, onTagmora.best,
                onTagmora.median);
    std::printf("launch: empty_median_ms=%.0f tagmora_median_ms=%.0f difference_ms=%.0f\n", onEmpty.median,
                onTagmora.median, onTagmora.median - onEmpty.median);
    return 0;
}

}  // namespace
}  // namespace tagmora::bench

int main() {
    return tagmora::bench::Run();
}
