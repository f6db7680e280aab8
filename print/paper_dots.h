#pragma once
// Millimetres on the physical paper to a printer page's dots: the page's origin is the printable area's
// corner, PHYSICALOFFSET dots in from the paper's, and the resolution is the printer's own.

#include <windows.h>

#include "alignment/printer_map.h"

namespace tagmora {

struct PaperDots {
    double dotsPerMmX = 1, dotsPerMmY = 1;
    double offsetX = 0, offsetY = 0;  // the printable area's corner, in dots from the paper's
    // Applied to millimetres before they become dots: the inverse of the printer's own error.
    AffineMap correction;

    double X(double x, double y) const { return correction.MapX(x, y) * dotsPerMmX - offsetX; }
    double Y(double x, double y) const { return correction.MapY(x, y) * dotsPerMmY - offsetY; }
};

PaperDots PaperDotsOf(HDC printer, const AffineMap& correction = {});

}  // namespace tagmora
