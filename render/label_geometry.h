#pragma once
// Every rectangle inside one label, computed from its label rectangle alone: all sizes are fractions of
// the label's diagonal, so preview and printer pages are proportional.

#include "model/label_sheet.h"
#include "render/device_rect.h"
#include "render/sheet_layout.h"

namespace tagmora {

struct LabelMeasures {
    double diagonal = 0;
    std::int32_t inset = 0;
    std::int32_t drawUnit = 0;
    std::int32_t rawHalfUnit = 0;
    std::int32_t halfUnit = 0;
    std::int32_t corner = 0;
    std::int32_t borderWidth = 0;
};

struct LabelGeometry {
    LabelMeasures measures;
    bool hasSenderBand = false;  // at least one of SDON1, SDON2, LGON
    DeviceRect content;          // the destination text's rectangle
    DeviceRect divider;          // already moved down; filled last
    DeviceRect senderArea;
    DeviceRect sender1;  // top already moved down by the raw half unit
    DeviceRect sender2;  // top already moved down by the raw half unit
    DeviceRect logo;     // left and top already moved in by one draw unit
};

LabelMeasures MeasureLabel(const DeviceRect& label);

// The logo aspect is the LOGO bitmap's width / height, as the drawing found it (1 when it has none).
LabelGeometry ComputeLabelGeometry(const SheetSettings& settings, const SlotLayout& slot, float logoAspect);

}  // namespace tagmora
