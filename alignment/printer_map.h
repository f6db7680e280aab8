#pragma once
// What a printer does to a page, found from where marks meant for known points landed: an affine map of
// the paper's millimetres, and its inverse, which drawing applies so that the printer's own error puts
// every mark where it belongs.

#include <optional>
#include <vector>

namespace tagmora {

// A reference point's nominal position from the paper's top-left corner, and the print's error read there
// (positive: right of, or below, where it belongs). Millimetres.
struct AlignmentPoint {
    double x = 0, y = 0;
    double dx = 0, dy = 0;
};

// x' = xx x + xy y + x0, y' = yx x + yy y + y0.
struct AffineMap {
    double xx = 1, xy = 0, x0 = 0;
    double yx = 0, yy = 1, y0 = 0;

    double MapX(double x, double y) const { return xx * x + xy * y + x0; }
    double MapY(double x, double y) const { return yx * x + yy * y + y0; }
    bool IsIdentity() const;
};

// The map that takes every nominal point to where it landed: exact for three points, least squares for
// more. Empty for fewer than three points, for points on one line (nothing fixes the map across it), and
// for a map that folds the page over (a reading typed with the wrong sign would otherwise mirror it).
std::optional<AffineMap> SolvePrinterMap(const std::vector<AlignmentPoint>& points);

// Empty when the map has no inverse.
std::optional<AffineMap> Inverse(const AffineMap& map);

// A label's rectangle (millimetres) through the correction, as an upright rectangle: its centre goes where
// the correction puts it and its sides take the correction's scale along each axis. The label itself is
// not turned, which no printer driver draws reliably (the PostScript driver under test keeps rectangles
// upright whatever the transform); for a turn of a quarter of a degree that leaves a 63.5 x 38.1 mm
// label's corners within 0.16 mm.
struct MillimetreRect {
    double left = 0, top = 0, right = 0, bottom = 0;
};
MillimetreRect CorrectedRect(const AffineMap& correction, const MillimetreRect& rect);

// The map as a person reads it: the shift of the page's corner, the scale of each axis and the turn.
struct AlignmentSummary {
    double offsetX = 0, offsetY = 0;  // millimetres, where the paper's top-left corner lands
    double scaleXPercent = 100, scaleYPercent = 100;
    double rotationDegrees = 0;  // clockwise on the page, as y grows downwards
};
AlignmentSummary Summarise(const AffineMap& map);

}  // namespace tagmora
