// Times the import preview of a long address list: a 100,000-record and a 1,000,000-record semicolon list
// (UTF-8, a header, an accented name in every record) read from disk ("read"), composed for a full 8 x 16
// sheet of enabled labels with the fit check of its 128 addresses ("preview_data", read included), and the
// file read and the preview dialog shown until its first paint is done, as the program does it
// ("preview_shown"). Each figure is the best and the median of a few runs. The dialog needs a
// display (run it under the test script's Xvfb or any X server); without one its line says so.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "addresses/address_file.h"
#include "addresses/address_import_dialog.h"
#include "addresses/printed_size_check.h"
#include "model/label_sheet.h"

namespace tagmora::bench {
namespace {

constexpr int kRuns = 3;

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

std::string WriteList(std::size_t records) {
    char folder[MAX_PATH] = {};
    GetTempPathA(sizeof folder, folder);
    const std::string path = std::string(folder) + "tagmora-bench-" + std::to_string(records) + ".csv";
    std::string text = "First Name;Last Name;Street;ZIP;City\r\n";
    text.reserve(records * 48);
    for (std::size_t i = 0; i < records; ++i) {
        text += "J\xC3\xB6rg;Lee " + std::to_string(i) + ";" + std::to_string(i % 997) + " Main St;" +
                std::to_string(10000 + i % 90000) + ";Town\r\n";
    }
    HANDLE file =
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    return path;
}

// Cancels the preview once its queue is empty, that is after it has painted.
void CALLBACK CancelPreview(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (HWND preview = FindWindowA(nullptr, "Addresses from a file"))
        PostMessageA(preview, WM_COMMAND, IDCANCEL, 0);
}

void Report(const char* what, std::size_t records, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    std::printf("%s%zu: best_ms=%.0f median_ms=%.0f\n", what, records, times.front() * 1000,
                times[times.size() / 2] * 1000);
}

void Measure(std::size_t records) {
    const std::string path = WriteList(records);
    LabelSheet sheet;
    sheet.MutableSettings().COLS = 8;
    sheet.MutableSettings().ROWS = 16;
    sheet.SetAllEnabled(true);
    std::vector<double> reads, previews, dialogs;
    bool shown = true;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const AddressFile file = ReadAddressFile(path);
        reads.push_back(Seconds(start));
        if (!file.refusal.empty()) {
            std::printf("refused: %s\n", file.refusal.c_str());
            return;
        }
        const auto composing = std::chrono::steady_clock::now();
        const ComposedAddresses composed = ComposeAddresses(file.table, file.plan, kSlotCount);
        AddressesPrintedTooSmall(sheet.Settings(), composed.dests);
        previews.push_back(reads.back() + Seconds(composing));
        if (composed.count != records)
            std::printf("found %zu addresses, not %zu\n", composed.count, records);

        // As the program does it: the file read, then the dialog, which composes and checks by itself.
        const auto opened = std::chrono::steady_clock::now();
        SetTimer(nullptr, 0, 0, CancelPreview);
        AddressImportDialog dialog(file, path, sheet, nullptr);
        shown = dialog.RunModal() == IDCANCEL && shown;
        dialogs.push_back(reads.back() + Seconds(opened));
    }
    DeleteFileA(path.c_str());
    Report("read", records, reads);
    Report("preview_data", records, previews);
    if (shown)
        Report("preview_shown", records, dialogs);
    else
        std::printf("preview_shown%zu: not shown (no display)\n", records);
}

}  // namespace
}  // namespace tagmora::bench

int main() {
    tagmora::bench::Measure(100000);
    tagmora::bench::Measure(1000000);
    return 0;
}
