#include "print/calibration_page.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "print/paper_dots.h"
#include "print/printer_document.h"
#include "win/gdi.h"

namespace tagmora {
namespace {

constexpr COLORREF kInk = RGB(0, 0, 0);
constexpr const char* kInstruction[] = {
    "Tagmora printer alignment",
    "Lay this page on a sheet of your labels (or hold both against the light), corners on corners.",
    "At each of the three marked corners, read where the label's edge crosses each scale:",
    "the number there is how far the print is off, in millimetres (+ right or down, - left or up).",
    "Type the six numbers into \"Align printer...\" and press OK; \"Print again\" shows what is left.",
};

int Dots(double value) {
    return static_cast<int>(std::lround(value));
}

void DrawMarks(HDC printer, const PaperDots& map, const CalibrationMarks& marks) {
    for (const double width : {kMarkWidth, kZeroMarkWidth}) {
        // Flat ends, so that a mark ends where it should rather than half a pen beyond.
        LOGBRUSH ink{BS_SOLID, kInk, 0};
        const Pen pen(ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT,
                                   static_cast<DWORD>(std::max(1, Dots(width * map.dotsPerMmX))), &ink, 0,
                                   nullptr));
        const ScopedSelection penSelected(printer, pen.Get());
        for (const MarkLine& line : marks.lines) {
            if (line.width != width)
                continue;
            MoveToEx(printer, Dots(map.X(line.x0, line.y0)), Dots(map.Y(line.x0, line.y0)), nullptr);
            LineTo(printer, Dots(map.X(line.x1, line.y1)), Dots(map.Y(line.x1, line.y1)));
        }
    }
}

void DrawTexts(HDC printer, const PaperDots& map, const CalibrationMarks& marks, double paperWidthMm,
               double paperHeightMm) {
    const ScopedTextColours colours(printer, kInk, RGB(255, 255, 255), TRANSPARENT);
    {
        const Font numberFont(CreateFontA(-Dots(kNumberHeight * map.dotsPerMmY), 0, 0, 0, FW_NORMAL, FALSE,
                                          FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                          ANTIALIASED_QUALITY, DEFAULT_PITCH, "Tahoma"));
        const ScopedSelection fontSelected(printer, numberFont.Get());
        const UINT previousAlign = SetTextAlign(printer, TA_CENTER | TA_BASELINE);
        for (const MarkNumber& number : marks.numbers) {
            // The baseline a little under the centre, so the digits' middle sits on it.
            const double baseline = number.y + kNumberHeight * 0.35;
            TextOutA(printer, Dots(map.X(number.x, baseline)), Dots(map.Y(number.x, baseline)),
                     number.text.c_str(), static_cast<int>(number.text.size()));
        }
        SetTextAlign(printer, previousAlign);
    }
    constexpr double kLineHeightMm = 5;
    const Font textFont(CreateFontA(-Dots(3 * map.dotsPerMmY), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                    ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                    ANTIALIASED_QUALITY, DEFAULT_PITCH, "Tahoma"));
    const ScopedSelection fontSelected(printer, textFont.Get());
    const UINT previousAlign = SetTextAlign(printer, TA_CENTER | TA_TOP);
    double y = paperHeightMm / 2 - kLineHeightMm * 2.5;
    for (const char* line : kInstruction) {
        TextOutA(printer, Dots(map.X(paperWidthMm / 2, y)), Dots(map.Y(paperWidthMm / 2, y)), line,
                 static_cast<int>(std::string(line).size()));
        y += kLineHeightMm;
    }
    SetTextAlign(printer, previousAlign);
}

}  // namespace

bool PrintCalibrationPage(HDC printer, const SheetGrid& grid, const AffineMap& correction) {
    const PaperDots map = PaperDotsOf(printer, correction);
    const double paperWidthMm = GetDeviceCaps(printer, PHYSICALWIDTH) / map.dotsPerMmX;
    const double paperHeightMm = GetDeviceCaps(printer, PHYSICALHEIGHT) / map.dotsPerMmY;
    const CalibrationMarks marks = MarksAt(ReferenceCorners(grid));
    PrinterDocument document(printer, "Tagmora printer alignment");
    if (!document.Started() || StartPage(printer) <= 0)
        return false;
    DrawMarks(printer, map, marks);
    DrawTexts(printer, map, marks, paperWidthMm, paperHeightMm);
    return EndPage(printer) > 0 && document.End();
}

}  // namespace tagmora
