// The calibration page on the bench printer, read the way a person reads it off a sheet of labels after a
// printer that moves, scales and turns its pages: the readings give that printer's error back, and the
// page printed again through the correction leaves next to nothing to read.

#include "print/calibration_page.h"

#include <gtest/gtest.h>
#include <winspool.h>

#include <cmath>
#include <string>

#include "tests/acceptance/calibration_reading.h"
#include "win/handle.h"

namespace tagmora {
namespace {

using acceptance::PagePicture;
using acceptance::ReadCalibrationPage;
using acceptance::SimulatedPrint;

constexpr double kPi = 3.14159265358979323846;

// 1.2 mm right, 0.8 mm up, 99.4 % across, 100.4 % down, a quarter of a degree.
AffineMap SkewedPrinter() {
    const double turn = 0.25 * kPi / 180;
    return {0.994 * std::cos(turn), -1.004 * std::sin(turn), 1.2,
            0.994 * std::sin(turn), 1.004 * std::cos(turn),  -0.8};
}

// The newest job's rendered page, after printing one more.
std::string PrintAndRender(const std::string& jobs, HDC printer, const SheetGrid& grid,
                           const AffineMap& fix) {
    const auto newest = [&] {
        std::string last;
        WIN32_FIND_DATAA found;
        const HANDLE search = FindFirstFileA((jobs + "\\job-*.png").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE)
            return last;
        do {
            last = std::max(last, std::string(found.cFileName));
        } while (FindNextFileA(search, &found));
        FindClose(search);
        return last;
    };
    const std::string before = newest();
    if (!PrintCalibrationPage(printer, grid, fix))
        return "";
    const std::string after = newest();
    return after != before ? jobs + "\\" + after : "";
}

TEST(CalibrationPageTest, ReadingsOffASkewedPrintGiveItsErrorAndThePageAgainLeavesAlmostNothing) {
    char jobs[MAX_PATH] = {}, printerName[512] = {};
    DWORD size = sizeof printerName;
    if (!GetEnvironmentVariableA("TAGMORA_PRINTER_JOBS", jobs, sizeof jobs) ||
        !GetDefaultPrinterA(printerName, &size))
        GTEST_SKIP() << "no test printer (TAGMORA_PRINTER_JOBS) to print on";
    const OwnedDC printer(CreateDCA("WINSPOOL", printerName, nullptr, nullptr));
    ASSERT_TRUE(printer);
    const double dotsPerMm = GetDeviceCaps(printer.Get(), LOGPIXELSX) / 25.4;
    const SheetGrid grid{7.2, 15.15, 63.5, 38.1, 66, 38.1, 3, 7};
    const auto corners = ReferenceCorners(grid);

    const std::string first = PrintAndRender(jobs, printer.Get(), grid, {});
    ASSERT_FALSE(first.empty()) << "no rendered page";
    const PagePicture page(first);
    ASSERT_TRUE(page.Loaded());
    // An exact printer: every zero bar within a dot of its corner.
    const auto exact = ReadCalibrationPage(SimulatedPrint(page, {}, dotsPerMm), corners);
    ASSERT_TRUE(exact);
    for (const double reading : *exact)
        EXPECT_LT(std::fabs(reading), 1 / dotsPerMm);

    const AffineMap printerError = SkewedPrinter();
    const auto readings = ReadCalibrationPage(SimulatedPrint(page, printerError, dotsPerMm), corners);
    ASSERT_TRUE(readings);
    const auto solved = SolvePrinterMap(PointsFromReadings(corners, *readings));
    ASSERT_TRUE(solved);
    for (const auto& [x, y] : {std::pair{0.0, 0.0}, {210.0, 0.0}, {0.0, 297.0}, {210.0, 297.0}}) {
        EXPECT_NEAR(printerError.MapX(x, y), solved->MapX(x, y), 0.15) << x << ", " << y;
        EXPECT_NEAR(printerError.MapY(x, y), solved->MapY(x, y), 0.15) << x << ", " << y;
    }

    const std::string again = PrintAndRender(jobs, printer.Get(), grid, *Inverse(*solved));
    ASSERT_FALSE(again.empty());
    const PagePicture corrected(again);
    const auto left = ReadCalibrationPage(SimulatedPrint(corrected, printerError, dotsPerMm), corners);
    ASSERT_TRUE(left);
    for (const double reading : *left)
        EXPECT_LT(std::fabs(reading), 0.15);
    std::printf("calibration page: %s\n", first.c_str());
}

}  // namespace
}  // namespace tagmora
