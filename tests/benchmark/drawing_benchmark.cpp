// Draws a full 8 x 16 sheet of varied addresses on an A4 page at 600 dpi and on a preview-sized bitmap,
// once with the linear fitted-text search and once with the fast one, and prints the times. Every timed
// draw starts cold: the Canvas forgets its found heights, font metrics and logo picture first.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/program_path.h"
#include "model/label_sheet.h"
#include "model/working_folder.h"
#include "render/canvas.h"
#include "sheet_drawing.h"

namespace tagmora::bench {
namespace {

// A4 at 600 dpi, as a printer driver reports its printable area; and the preview's usual size.
constexpr int kPageWidth = 4961;
constexpr int kPageHeight = 7016;
constexpr int kPreviewWidth = 400;
constexpr int kPreviewHeight = 566;

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

struct Timing {
    double linear = 0;
    double fast = 0;
    double warm = 0;
    bool samePicture = false;
};

// The best of `runs` timings of each way to draw (the machine may be busy with other work; the best run
// is the one least disturbed), with the pictures' fingerprints.
Timing Measure(const char* name, DibPage& page, LabelSheet& sheet, bool printMode, int runs) {
    Canvas canvas;
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
    const auto best = [&](bool linear, bool cold, int runs) {
        canvas.UseLinearTextSearch(linear);
        double fastest = 1e300;
        for (int run = 0; run < runs; ++run) {
            clearPage();
            if (cold)
                canvas.ClearCaches();
            fastest = std::min(fastest, Milliseconds(draw));
        }
        return fastest;
    };

    Timing timing;
    timing.linear = best(true, true, runs);
    const std::uint64_t linearPicture = page.Fingerprint();
    timing.fast = best(false, true, runs);
    const std::uint64_t fastPicture = page.Fingerprint();
    timing.warm = best(false, false, runs);
    timing.samePicture = linearPicture == fastPicture && page.Fingerprint() == linearPicture;
    std::printf("%s: %d x %d, best of %d: linear %.1f ms, fast cold %.1f ms, fast warm %.1f ms, %s\n", name,
                page.Width(), page.Height(), runs, timing.linear, timing.fast, timing.warm,
                timing.samePicture ? "same picture" : "PICTURES DIFFER");
    std::fflush(stdout);
    return timing;
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
    std::printf("logo: %s\n", sheet.Settings().LOGO.c_str());

    FillWithVariedAddresses(sheet, true);
    const Timing onPage = Measure("page600", page, sheet, true, 2);
    FillWithVariedAddresses(sheet, false);
    const Timing onPreview = Measure("preview", preview, sheet, false, 10);

    std::printf("page600: linear_ms=%.1f fast_ms=%.1f speedup=%.1f\n", onPage.linear, onPage.fast,
                onPage.linear / onPage.fast);
    std::printf("preview: linear_ms=%.1f fast_ms=%.1f speedup=%.1f\n", onPreview.linear, onPreview.fast,
                onPreview.linear / onPreview.fast);
    return onPage.samePicture && onPreview.samePicture ? 0 : 1;
}

}  // namespace
}  // namespace tagmora::bench

int main() {
    return tagmora::bench::Run();
}
