// Times Explorer's Print on a full sheet: the real Tagmora.exe started with "/p" on an 8 x 16 sheet of 128
// different addresses, from the process's start until the printer's job file is complete (the bench's
// printer links a job in under its name only once the whole job has arrived). Beside it, the same on an
// empty sheet, as little as "/p" prints (one enabled label with no address, sender texts, logo or border),
// so that the share of drawing the 128 labels shows against starting, loading and spooling.
// Needs the bench's test printer (TAGMORA_PRINTER_JOBS); run it with run_print_benchmark.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <set>
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

int JobCount(const std::string& jobs) {
    int count = 0;
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((jobs + "\\job-*.ps").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    do {
        ++count;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return count;
}

double Now() {
    LARGE_INTEGER frequency{};
    LARGE_INTEGER counter{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// One start of "Tagmora.exe /p <file>": milliseconds until the new job is there, or -1 when the program
// failed or printed nothing.
double TimeOnePrint(const std::string& folder, const std::string& setupFile, const std::string& jobs) {
    const int before = JobCount(jobs);
    std::string line = "\"" + folder + "Tagmora.exe\" /p \"" + setupFile + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const double start = Now();
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process)) {
        return -1;
    }
    double elapsed = -1;
    while (Now() - start < 60000) {
        if (JobCount(jobs) > before) {
            elapsed = Now() - start;
            break;
        }
        if (WaitForSingleObject(process.hProcess, 2) == WAIT_OBJECT_0 && JobCount(jobs) == before)
            break;
    }
    DWORD code = 1;
    if (WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code == 0 ? elapsed : -1;
}

struct Figures {
    double best = 0;
    double median = 0;
};

// Best and median of the runs; empty figures (and a message) when any run failed.
bool Measure(const char* name, const std::string& folder, const std::string& setupFile,
             const std::string& jobs, Figures& figures) {
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        const double ms = TimeOnePrint(folder, setupFile, jobs);
        if (ms < 0) {
            std::printf("%s: run %d printed no page\n", name, run + 1);
            return false;
        }
        times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    figures = {times.front(), times[times.size() / 2]};
    std::printf("%s: %d runs, best %.0f ms, median %.0f ms, worst %.0f ms\n", name, kRuns, figures.best,
                figures.median, times.back());
    std::fflush(stdout);
    return true;
}

// The program and the logo its labels draw; /p needs no button pictures.
bool CopyProgram(const std::string& from, const std::string& to) {
    CreateDirectoryA(to.c_str(), nullptr);
    CreateDirectoryA((to + "GFX").c_str(), nullptr);
    return CopyFileA((from + "Tagmora.exe").c_str(), (to + "Tagmora.exe").c_str(), FALSE) &&
           CopyFileA((from + "GFX\\Ostrel.bmp").c_str(), (to + "GFX\\Ostrel.bmp").c_str(), FALSE);
}

int Run() {
    char jobsFolder[MAX_PATH] = {};
    if (GetEnvironmentVariableA("TAGMORA_PRINTER_JOBS", jobsFolder, sizeof jobsFolder) == 0) {
        std::printf("no test printer (TAGMORA_PRINTER_JOBS): run this through the build's wine-run\n");
        return 1;
    }
    // A folder of its own, so that the logs of these prints stay out of the build's program folder.
    const std::string folder = ProgramFolder() + "print-benchmark\\";
    if (!CopyProgram(ProgramFolder(), folder)) {
        std::printf("cannot copy Tagmora.exe and its logo into %s\n", folder.c_str());
        return 1;
    }
    SetWorkingFolder(folder);

    LabelSheet full;
    full.MutableSettings().COLS = kMaxColumns;
    full.MutableSettings().ROWS = kMaxRows;
    FillWithVariedAddresses(full, true);
    // A customer number on each first line: the varied addresses repeat a few times in 128.
    std::set<std::string> addresses;
    for (int i = 0; i < kSlotCount; ++i) {
        std::string& dest = full.Slot(i).DEST;
        dest.insert(std::min(dest.find("\r\n"), dest.size()), " #" + std::to_string(i + 1));
        addresses.insert(dest);
    }

    LabelSheet empty = full;
    SheetSettings& blank = empty.MutableSettings();
    blank.SDON1 = blank.SDON2 = blank.LGON = blank.BDON = false;
    empty.SetAllEnabled(false);
    empty.SetAllDest("");
    empty.Slot(0).enabled = true;

    const std::string fullFile = folder + "full-8x16.tgm";
    const std::string emptyFile = folder + "empty.tgm";
    if (!SaveSheetToPath(full, fullFile) || !SaveSheetToPath(empty, emptyFile))
        return 1;
    std::printf("full sheet: %d x %d labels, %zu different addresses, all enabled\n", kMaxColumns, kMaxRows,
                addresses.size());

    Figures onEmpty;
    Figures onFull;
    // One print first, so that both series start with the program and the driver in the file cache.
    if (TimeOnePrint(folder, emptyFile, jobsFolder) < 0 ||
        !Measure("empty", folder, emptyFile, jobsFolder, onEmpty) ||
        !Measure("print128", folder, fullFile, jobsFolder, onFull)) {
        return 1;
    }
    std::printf("empty: best_ms=%.0f median_ms=%.0f\n", onEmpty.best, onEmpty.median);
    std::printf("print128: best_ms=%.0f median_ms=%.0f\n", onFull.best, onFull.median);
    return 0;
}

}  // namespace
}  // namespace tagmora::bench

int main() {
    return tagmora::bench::Run();
}
