#include "calibration_reading.h"

#include <cmath>
#include <vector>

namespace tagmora::acceptance {
namespace {

constexpr double kSearchReach = 6.0;  // millimetres either way of where a bar belongs
constexpr double kSampleStep = 0.02;

// The centre of the widest run of inked samples along a line, in the line's own coordinate; the bar is the
// only mark wider than a hairline.
std::optional<double> WidestRunCentre(const std::vector<bool>& inked, double start) {
    int bestLength = 0, bestStart = 0;
    for (int i = 0, run = 0; i <= static_cast<int>(inked.size()); ++i) {
        if (i < static_cast<int>(inked.size()) && inked[static_cast<std::size_t>(i)]) {
            ++run;
            continue;
        }
        if (run > bestLength) {
            bestLength = run;
            bestStart = i - run;
        }
        run = 0;
    }
    // A hairline is 0.1 mm; the bar 0.4 mm.
    if (bestLength * kSampleStep < 0.25)
        return std::nullopt;
    return start + (bestStart + (bestLength - 1) / 2.0) * kSampleStep;
}

}  // namespace

SimulatedPrint::SimulatedPrint(const PagePicture& page, const AffineMap& printerError, double dotsPerMm)
    : page_(page), undo_(Inverse(printerError).value_or(AffineMap{})), dotsPerMm_(dotsPerMm) {}

bool SimulatedPrint::IsInk(double xMm, double yMm) const {
    const double x = undo_.MapX(xMm, yMm) * dotsPerMm_, y = undo_.MapY(xMm, yMm) * dotsPerMm_;
    const COLORREF c = page_.At(static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y)));
    return c != CLR_INVALID && GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 128;
}

std::optional<std::array<double, 6>> ReadCalibrationPage(const SimulatedPrint& print,
                                                         const std::array<ReferenceCorner, 3>& corners) {
    std::array<double, 6> readings{};
    const int samples = static_cast<int>(2 * kSearchReach / kSampleStep);
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const ReferenceCorner& c = corners[i];
        // Across each bar, half way along it: the bar is 3.5 mm long, so an error of up to 1.5 mm along it
        // still crosses it. Numbers stand beyond the marks' ends.
        const double alongY = c.y + c.inwardY * (kScaleDistance + 1.75);
        const double alongX = c.x + c.inwardX * (kScaleDistance + 1.75);
        std::vector<bool> acrossX, acrossY;
        for (int k = 0; k < samples; ++k) {
            const double offset = -kSearchReach + k * kSampleStep;
            acrossX.push_back(print.IsInk(c.x + offset, alongY));
            acrossY.push_back(print.IsInk(alongX, c.y + offset));
        }
        const auto x = WidestRunCentre(acrossX, -kSearchReach), y = WidestRunCentre(acrossY, -kSearchReach);
        if (!x || !y)
            return std::nullopt;
        readings[2 * i] = *x;
        readings[2 * i + 1] = *y;
    }
    return readings;
}

}  // namespace tagmora::acceptance
