#include "render/true_size_layout.h"

#include <cmath>

#include "model/exact_lengths.h"

namespace tagmora {

namespace {

constexpr std::int64_t kHundredthsPerInch = 2540;

// One axis of the grid, in hundredths of a millimetre, every edge kept as a multiple of 1 / count so that it
// stays a whole number: edge x count = start x count + index x (room + gap), with room the length that the
// margins and gaps leave for the labels.
struct Axis {
    std::int64_t start;  // LFTMRG or TOPMRG
    std::int64_t room;   // WMM - RGTMRG - LFTMRG or HMM - BOTMRG - TOPMRG
    std::int64_t gap;    // COLSPC or ROWSPC
    std::int64_t count;  // COLS or ROWS

    std::int64_t LeadingEdgeTimesCount(std::int64_t index) const {
        return start * count + index * (room + gap);
    }
    std::int64_t TrailingEdgeTimesCount(std::int64_t index) const {
        return LeadingEdgeTimesCount(index) + room - (count - 1) * gap;
    }
};

// The products stay far below 2^53, so the one division is the only rounding before the last.
std::int32_t ToDevice(std::int64_t hundredthsTimesCount, std::int64_t count, std::int64_t units,
                      std::int64_t hundredths, std::int32_t origin) {
    const double exact =
        static_cast<double>(hundredthsTimesCount * units) / static_cast<double>(count * hundredths);
    return SaturatingInt32(std::int64_t{RoundToDevice(exact)} + origin);
}

}  // namespace

PaperMapping PrinterPaperMapping(int logPixelsX, int logPixelsY, int physicalOffsetX, int physicalOffsetY) {
    PaperMapping paper;
    paper.xUnits = logPixelsX;
    paper.xHundredths = kHundredthsPerInch;
    paper.yUnits = logPixelsY;
    paper.yHundredths = kHundredthsPerInch;
    paper.paperLeft = -physicalOffsetX;
    paper.paperTop = -physicalOffsetY;
    return paper;
}

PaperMapping ScreenPaperMapping(const SheetSettings& settings, const DeviceRect& client) {
    const DeviceRect origin = client.Shrunk(1);
    PaperMapping paper;
    paper.xUnits = origin.Width();
    paper.xHundredths = ExactLength(settings, SheetFieldByKey("WMM"));
    paper.yUnits = origin.Height();
    paper.yHundredths = ExactLength(settings, SheetFieldByKey("HMM"));
    paper.paperLeft = origin.left;
    paper.paperTop = origin.top;
    return paper;
}

std::int32_t RoundToDevice(double units) {
    return TruncToInt32(std::floor(units + 0.5));
}

SheetLayout LayOutTrueSize(const SheetSettings& settings, const PaperMapping& paper) {
    SheetLayout layout;
    const ExactGeometry g = CurrentExactGeometry(settings);
    const std::int64_t shown = std::int64_t{g.COLS} * g.ROWS;
    if (g.COLS < 1 || g.ROWS < 1 || shown > kSlotCount || paper.xHundredths <= 0 || paper.yHundredths <= 0)
        return layout;
    layout.origin = {paper.paperLeft, paper.paperTop,
                     ToDevice(g.WMM, 1, paper.xUnits, paper.xHundredths, paper.paperLeft),
                     ToDevice(g.HMM, 1, paper.yUnits, paper.yHundredths, paper.paperTop)};
    layout.count = static_cast<int>(shown);

    const Axis across{g.LFTMRG, std::int64_t{g.WMM} - g.RGTMRG - g.LFTMRG, g.COLSPC, g.COLS};
    const Axis down{g.TOPMRG, std::int64_t{g.HMM} - g.BOTMRG - g.TOPMRG, g.ROWSPC, g.ROWS};
    const auto xScale = static_cast<float>(static_cast<double>(paper.xUnits) * kHundredthsPerMillimetre /
                                           static_cast<double>(paper.xHundredths));
    const auto yScale = static_cast<float>(static_cast<double>(paper.yUnits) * kHundredthsPerMillimetre /
                                           static_cast<double>(paper.yHundredths));
    for (int slot = 0; slot < layout.count; ++slot) {
        const std::int64_t column = slot % g.COLS;
        const std::int64_t row = slot / g.COLS;
        SlotLayout& s = layout.slots[static_cast<std::size_t>(slot)];
        s.xScale = xScale;
        s.yScale = yScale;
        s.label = {
            ToDevice(across.LeadingEdgeTimesCount(column), across.count, paper.xUnits, paper.xHundredths,
                     paper.paperLeft),
            ToDevice(down.LeadingEdgeTimesCount(row), down.count, paper.yUnits, paper.yHundredths,
                     paper.paperTop),
            ToDevice(across.TrailingEdgeTimesCount(column), across.count, paper.xUnits, paper.xHundredths,
                     paper.paperLeft),
            ToDevice(down.TrailingEdgeTimesCount(row), down.count, paper.yUnits, paper.yHundredths,
                     paper.paperTop),
        };
    }
    return layout;
}

SheetLayout LayOutPreview(const SheetSettings& settings, const DeviceRect& client) {
    if (!settings.TRUESIZE)
        return LayOutSheet(settings, client);
    SheetLayout layout = LayOutTrueSize(settings, ScreenPaperMapping(settings, client));
    // The preview fills its background over the shrunk client rectangle, whatever the grid.
    layout.origin = client.Shrunk(1);
    return layout;
}

}  // namespace tagmora
