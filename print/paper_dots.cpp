#include "print/paper_dots.h"

namespace tagmora {

PaperDots PaperDotsOf(HDC printer, const AffineMap& correction) {
    constexpr double kMillimetresPerInch = 25.4;
    PaperDots mapping;
    const int dpiX = GetDeviceCaps(printer, LOGPIXELSX), dpiY = GetDeviceCaps(printer, LOGPIXELSY);
    // A device without a resolution (a memory context handed in by mistake) still maps to something finite.
    mapping.dotsPerMmX = (dpiX > 0 ? dpiX : 96) / kMillimetresPerInch;
    mapping.dotsPerMmY = (dpiY > 0 ? dpiY : 96) / kMillimetresPerInch;
    mapping.offsetX = GetDeviceCaps(printer, PHYSICALOFFSETX);
    mapping.offsetY = GetDeviceCaps(printer, PHYSICALOFFSETY);
    mapping.correction = correction;
    return mapping;
}

}  // namespace tagmora
