#include "render/sheet_layout.h"

#include <algorithm>
#include <cstdint>

namespace tagmora {

namespace {

// A millimetre edge on the device: the product is cut toward zero before the origin is added. The scale is
// stored in single precision; the product is taken in double, where an int32 times a float is exact.
std::int32_t ToDevice(std::int32_t millimetres, float scale, std::int32_t origin) {
    return SaturatingInt32(static_cast<std::int64_t>(TruncToInt32(static_cast<double>(millimetres) * scale)) +
                           origin);
}

}  // namespace

int SheetLayout::HitTest(DevicePoint press, DevicePoint release) const {
    for (int i = 0; i < count; ++i) {
        const DeviceRect& label = slots[static_cast<std::size_t>(i)].label;
        if (label.Contains(press.x, press.y) && label.Contains(release.x, release.y))
            return i;
    }
    return -1;
}

SheetLayout LayOutSheet(const SheetSettings& settings, const DeviceRect& device) {
    SheetLayout layout;
    layout.origin = device.Shrunk(1);
    const DeviceRect& o = layout.origin;

    const float xScale = static_cast<float>(static_cast<double>(o.Width()) / settings.WMM);
    const float yScale = static_cast<float>(static_cast<double>(o.Height()) / settings.HMM);

    // Whole-millimetre sums are exact in 64 bits even for absurd hand-edited values; the division is single
    // precision, as the label edges were always computed.
    const std::int64_t widthLeft = std::int64_t{settings.WMM} - settings.RGTMRG - settings.LFTMRG -
                                   (std::int64_t{settings.COLS} - 1) * settings.COLSPC;
    const std::int64_t heightLeft = std::int64_t{settings.HMM} - settings.BOTMRG - settings.TOPMRG -
                                    (std::int64_t{settings.ROWS} - 1) * settings.ROWSPC;
    const float lw = static_cast<float>(widthLeft) / static_cast<float>(settings.COLS);
    const float lh = static_cast<float>(heightLeft) / static_cast<float>(settings.ROWS);

    const std::int64_t shown = std::int64_t{settings.COLS} * settings.ROWS;
    if (settings.COLS < 1 || settings.ROWS < 1 || shown > kSlotCount) {
        // Nothing sensible to show; an empty layout draws and hits nothing.
        return layout;
    }
    layout.count = static_cast<int>(shown);

    const float columnStep = static_cast<float>(settings.COLSPC) + lw;
    const float rowStep = static_cast<float>(settings.ROWSPC) + lh;
    float y = static_cast<float>(settings.TOPMRG);
    int slot = 0;
    for (int row = 0; row < settings.ROWS; ++row) {
        float x = static_cast<float>(settings.LFTMRG);
        for (int column = 0; column < settings.COLS; ++column) {
            const std::int32_t mmLeft = TruncToInt32(x);
            const std::int32_t mmTop = TruncToInt32(y);
            const std::int32_t mmRight = TruncToInt32(x + lw);
            const std::int32_t mmBottom = TruncToInt32(y + lh);

            SlotLayout& s = layout.slots[static_cast<std::size_t>(slot)];
            s.xScale = xScale;
            s.yScale = yScale;
            s.label = {ToDevice(mmLeft, xScale, o.left), ToDevice(mmTop, yScale, o.top),
                       ToDevice(mmRight, xScale, o.left), ToDevice(mmBottom, yScale, o.top)};

            x = x + columnStep;
            ++slot;
        }
        y = y + rowStep;
    }
    return layout;
}

}  // namespace tagmora
