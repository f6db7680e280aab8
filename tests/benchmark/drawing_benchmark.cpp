// Draws a full 8 x 16 sheet of varied addresses on an A4 page at 600 dpi and on a preview-sized bitmap,
// with the fast fitted-text search from cold caches (the Canvas forgets its found heights, font metrics and
// logo picture first) and warm ones, and with the linear search for reference, and prints best and median
// times. The preview's paint is then taken apart (layout, background, frames, fitted text, logo, dividers)
// and, where there is a display, painted as the Preview Control paints it: through an Off-screen Buffer on a
// real window, whose block copy is timed on its own too.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "app/program_path.h"
#include "model/label_sheet.h"
#include "model/working_folder.h"
#include "preview_parts.h"
#include "render/canvas.h"
#include "render/offscreen_buffer.h"
#include "sheet_drawing.h"

namespace tagmora::bench {
namespace {

// A4 at 600 dpi, as a printer driver reports its printable area; and the preview's usual size.
constexpr int kPageWidth = 4961;
constexpr int kPageHeight = 7016;
constexpr int kPreviewWidth = 400;
constexpr int kPreviewHeight = 566;
constexpr int kPageRuns = 3;
constexpr int kPreviewRuns = 15;
constexpr int kPartRuns = 9;

double Milliseconds(const std::function<void()>& work) {
    LARGE_INTEGER frequency{};
    LARGE_INTEGER start{};
    LARGE_INTEGER end{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    work();
    GdiFlush();
    QueryPerformanceCounter(&end);
    return static_cast<double>(end.QuadPart - start.QuadPart) * 1000.0 /
           static_cast<double>(frequency.QuadPart);
}

// The machine is shared: the load beside every figure says how far to trust it (Wine maps Z: to the root).
std::string LoadAverage() {
    std::ifstream file("Z:\\proc\\loadavg");
    std::string one, five, fifteen;
    file >> one >> five >> fifteen;
    return file ? one + " " + five + " " + fifteen : "unknown";
}

struct Series {
    std::vector<double> ms;
    double Best() const { return ms.empty() ? 0 : *std::min_element(ms.begin(), ms.end()); }
    double Median() const {
        if (ms.empty())
            return 0;
        std::vector<double> sorted = ms;
        std::sort(sorted.begin(), sorted.end());
        return sorted[sorted.size() / 2];
    }
};

// `runs` timings of the work, each after the untimed preparation.
Series Repeat(int runs, const std::function<void()>& prepare, const std::function<void()>& work) {
    Series series;
    for (int run = 0; run < runs; ++run) {
        prepare();
        series.ms.push_back(Milliseconds(work));
    }
    return series;
}

struct Timing {
    double first = 0;  // the process's first draw of this surface: nothing realised yet, not even by Wine
    Series cold;
    Series warm;
    Series linear;
    bool samePicture = false;
};

Timing Measure(const char* name, Canvas& canvas, DibPage& page, LabelSheet& sheet, bool printMode, int runs) {
    // As a paint or a print job does: the drawing sequence starts by handing the Canvas its device context.
    const auto draw = [&] {
        canvas.SetDeviceContext(page.DeviceContext());
        if (printMode) {
            DrawLikeThePrintedPage(canvas, sheet, page.Width(), page.Height());
        } else {
            DrawLikeThePreview(canvas, sheet, page.Width(), page.Height());
        }
    };
    const auto clearPage = [&] {
        PatBlt(page.DeviceContext(), 0, 0, page.Width(), page.Height(), WHITENESS);
        GdiFlush();
    };
    const auto cold = [&] {
        clearPage();
        canvas.ClearCaches();
    };

    Timing timing;
    canvas.UseLinearTextSearch(false);
    cold();
    timing.first = Milliseconds(draw);
    timing.cold = Repeat(runs, cold, draw);
    const std::uint64_t fastPicture = page.Fingerprint();
    timing.warm = Repeat(runs, clearPage, draw);
    const std::uint64_t warmPicture = page.Fingerprint();
    canvas.UseLinearTextSearch(true);
    timing.linear = Repeat(std::min(runs, 5), cold, draw);
    canvas.UseLinearTextSearch(false);
    timing.samePicture = page.Fingerprint() == fastPicture && warmPicture == fastPicture;
    std::printf(
        "%s: %d x %d, first %.1f ms; %d runs each, median (best): cold %.1f (%.1f) ms, warm %.1f (%.1f) "
        "ms, linear %.1f (%.1f) ms, %s\n",
        name, page.Width(), page.Height(), timing.first, runs, timing.cold.Median(), timing.cold.Best(),
        timing.warm.Median(), timing.warm.Best(), timing.linear.Median(), timing.linear.Best(),
        timing.samePicture ? "same picture" : "PICTURES DIFFER");
    std::fflush(stdout);
    return timing;
}

void PrintShare(const char* part, const Series& cold, const Series& warm, const Timing& whole) {
    std::printf("  %-16s cold %5.2f ms %3.0f%%, warm %5.2f ms %3.0f%%\n", part, cold.Median(),
                100.0 * cold.Median() / whole.cold.Median(), warm.Median(),
                100.0 * warm.Median() / whole.warm.Median());
}

// Each part on its own, cold (caches cleared first) and warm, as a share of the whole paint's medians.
void MeasureParts(Canvas& canvas, DibPage& page, LabelSheet& sheet, const Timing& whole) {
    std::printf("preview parts, median of %d runs, share of the whole paint's median:\n", kPartRuns);
    const auto onPage = [&] { canvas.SetDeviceContext(page.DeviceContext()); };
    for (const PreviewPart part : kPreviewParts) {
        const auto draw = [&] {
            onPage();
            DrawPreviewPart(part, canvas, sheet, page.Width(), page.Height());
        };
        const Series cold = Repeat(
            kPartRuns, [&] { canvas.ClearCaches(); }, draw);
        const Series warm = Repeat(
            kPartRuns, [] {}, draw);
        PrintShare(PartName(part), cold, warm, whole);
    }
    std::fflush(stdout);
}

LRESULT CALLBACK PlainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        // The benchmark paints by itself; this only validates.
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
}

// The Preview Control's paint on a real window of the preview's size: an Off-screen Buffer, the sheet drawn
// into it, its block copy to the window. Nothing without a display.
void MeasureWindowPaint(Canvas& canvas, LabelSheet& sheet, const Timing& whole) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = PlainWindowProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "TagmoraBenchmarkPreview";
    RegisterClassA(&windowClass);
    HWND window =
        CreateWindowExA(0, windowClass.lpszClassName, "preview", WS_POPUP | WS_VISIBLE, 0, 0, kPreviewWidth,
                        kPreviewHeight, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!window) {
        std::printf("preview window: no display, so no window to paint and no off-screen copy to time\n");
        return;
    }
    PumpMessages();
    const auto paint = [&] {
        OffscreenBuffer buffer(window);
        const ScopedCanvasTarget target(canvas, buffer.DeviceContext());
        DrawLikeThePreview(canvas, sheet, kPreviewWidth, kPreviewHeight);
    };
    const auto copyOnly = [&] { OffscreenBuffer buffer(window); };
    paint();
    const Series cold = Repeat(
        kPreviewRuns, [&] { canvas.ClearCaches(); }, paint);
    const Series warm = Repeat(
        kPreviewRuns, [] {}, paint);
    const Series copy = Repeat(
        kPreviewRuns, [] {}, copyOnly);
    std::printf("preview window: %d runs each, median (best): cold %.1f (%.1f) ms, warm %.1f (%.1f) ms\n",
                kPreviewRuns, cold.Median(), cold.Best(), warm.Median(), warm.Best());
    std::printf("  %-16s %5.2f ms (best %.2f), %3.0f%% of the window's warm paint\n", "off-screen copy",
                copy.Median(), copy.Best(), 100.0 * copy.Median() / warm.Median());
    std::printf(
        "preview_window: cold_median_ms=%.1f warm_median_ms=%.1f copy_median_ms=%.2f "
        "(drawing alone: cold %.1f, warm %.1f)\n",
        cold.Median(), warm.Median(), copy.Median(), whole.cold.Median(), whole.warm.Median());
    DestroyWindow(window);
    PumpMessages();
}

// The logo must load, or the figures would time the grey box instead of the picture.
bool LogoLoads(const std::string& path) {
    return NamesBitmapFile(path) && static_cast<bool>(LoadBitmapFile(path));
}

int Run() {
    SetWorkingFolder(ProgramFolder());
    LabelSheet sheet;
    sheet.ApplyDefaults();
    sheet.MutableSettings().COLS = 8;
    sheet.MutableSettings().ROWS = 16;

    DibPage page(kPageWidth, kPageHeight);
    DibPage preview(kPreviewWidth, kPreviewHeight);
    if (!page.Valid() || !preview.Valid()) {
        std::printf("cannot create the drawing surfaces\n");
        return 1;
    }
    const std::string& logo = sheet.Settings().LOGO;
    if (!sheet.Settings().LGON || !LogoLoads(logo)) {
        std::printf("the logo %s does not load: build the target tagmora_pictures first\n", logo.c_str());
        return 1;
    }
    std::printf("logo: %s\nload at start: %s\n", logo.c_str(), LoadAverage().c_str());

    Canvas previewCanvas;
    Canvas pageCanvas;
    FillWithVariedAddresses(sheet, false);
    const Timing onPreview = Measure("preview", previewCanvas, preview, sheet, false, kPreviewRuns);
    MeasureParts(previewCanvas, preview, sheet, onPreview);
    MeasureWindowPaint(previewCanvas, sheet, onPreview);
    FillWithVariedAddresses(sheet, true);
    const Timing onPage = Measure("page600", pageCanvas, page, sheet, true, kPageRuns);
    std::printf("load at end: %s\n", LoadAverage().c_str());

    std::printf("page600: linear_ms=%.1f fast_ms=%.1f speedup=%.1f\n", onPage.linear.Median(),
                onPage.cold.Median(), onPage.linear.Median() / onPage.cold.Median());
    std::printf(
        "preview: cold_median_ms=%.1f warm_median_ms=%.1f cold_best_ms=%.1f warm_best_ms=%.1f "
        "first_ms=%.1f linear_ms=%.1f speedup=%.1f\n",
        onPreview.cold.Median(), onPreview.warm.Median(), onPreview.cold.Best(), onPreview.warm.Best(),
        onPreview.first, onPreview.linear.Median(), onPreview.linear.Median() / onPreview.cold.Median());
    return onPage.samePicture && onPreview.samePicture ? 0 : 1;
}

}  // namespace
}  // namespace tagmora::bench

int main() {
    return tagmora::bench::Run();
}
