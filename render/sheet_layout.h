#pragma once
// The sheet layout: the label sheet's millimetre grid turned into one rectangle per shown label on a
// device rectangle (the preview's client area or a printer page's printable area).

#include <array>

#include "model/label_sheet.h"
#include "render/device_rect.h"

namespace tagmora {

struct SlotLayout {
    float xScale = 0;  // device units per millimetre across
    float yScale = 0;  // device units per millimetre down
    DeviceRect label;
};

struct SheetLayout {
    DeviceRect origin;  // the device rectangle shrunk by one unit on every side
    int count = 0;      // COLS x ROWS: slots 0 .. count - 1 are laid out
    std::array<SlotLayout, kSlotCount> slots{};

    // The first shown slot whose rectangle contains both points, or -1.
    int HitTest(DevicePoint press, DevicePoint release) const;
};

// Lays the sheet out into the device rectangle. Label edges fall on whole millimetres before scaling;
// x and y scales are independent; every float-to-integer conversion cuts toward zero and stops at the
// int32 limits. A grid that cannot exist (no column or row, more than 128 labels) lays out nothing.
// The logo aspect is not the layout's: the drawing finds it (Canvas::LogoAspect) and hands it to the label
// geometry.
SheetLayout LayOutSheet(const SheetSettings& settings, const DeviceRect& device);

}  // namespace tagmora
