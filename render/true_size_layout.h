#pragma once
// The true-size layout: the sheet's exact lengths placed where they are on the paper. The classic layout
// (render/sheet_layout.h) stretches the sheet over whatever device rectangle it is given and cuts every
// edge to a whole millimetre first; this one maps millimetres to device units at the device's own
// resolution, from the paper's top-left corner, and rounds every edge to the nearest unit only once.

#include "model/label_sheet.h"
#include "render/device_rect.h"
#include "render/sheet_layout.h"

namespace tagmora {

// Millimetres on the paper to device units: a rational scale (units per so many hundredths of a
// millimetre), so that the arithmetic is exact up to the one rounding at the end, and the device point of
// the paper's top-left corner.
struct PaperMapping {
    std::int64_t xUnits = 0;       // device units across ...
    std::int64_t xHundredths = 1;  // ... per this many hundredths of a millimetre
    std::int64_t yUnits = 0;
    std::int64_t yHundredths = 1;
    std::int32_t paperLeft = 0;
    std::int32_t paperTop = 0;
};

// A printer page: LOGPIXELSX / LOGPIXELSY dots per inch, and the paper's corner at (-PHYSICALOFFSETX,
// -PHYSICALOFFSETY), since the page's (0, 0) is the corner of its printable area.
PaperMapping PrinterPaperMapping(int logPixelsX, int logPixelsY, int physicalOffsetX, int physicalOffsetY);

// The preview: the client rectangle shrunk by one pixel stands for the whole paper, as in the classic
// layout, so the sheet shows at the same size either way and only the labels move.
PaperMapping ScreenPaperMapping(const SheetSettings& settings, const DeviceRect& client);

// Device units to the nearest whole one, halves upward (so that moving the paper by whole units moves
// every edge by as much), saturating at the int32 limits.
std::int32_t RoundToDevice(double units);

// Label i's left edge is LFTMRG + column x (lw + COLSPC) millimetres from the paper's left edge, with
// lw = ((WMM - RGTMRG - LFTMRG) - (COLS - 1) x COLSPC) / COLS from the exact lengths; the same down the
// rows. The origin is the paper's rectangle on the device. A grid that cannot exist lays out nothing.
SheetLayout LayOutTrueSize(const SheetSettings& settings, const PaperMapping& paper);

// What the preview shows: the true-size layout when the sheet prints true to size, else the classic one.
SheetLayout LayOutPreview(const SheetSettings& settings, const DeviceRect& client);

}  // namespace tagmora
