#include "alignment/calibration_marks.h"

#include <algorithm>
#include <cmath>

#include "alignment/millimetre_text.h"
#include "model/exact_lengths.h"

namespace tagmora {
namespace {

// Quarter, half and whole millimetres told apart by length, as on a ruler.
double MarkLength(int quarters) {
    // The zero mark stands out, so that it is found first (by a person and by the bench).
    if (quarters == 0)
        return 3.5;
    if (quarters % 4 == 0)
        return 2.5;
    return quarters % 2 == 0 ? 1.75 : 1.0;
}

}  // namespace

SheetGrid SheetGridOf(const SheetSettings& s) {
    // The lengths that count, exact where the sheet has them, as the true-size layout places the labels.
    const ExactGeometry g = CurrentExactGeometry(s);
    SheetGrid grid;
    grid.columns = std::max(1, g.COLS);
    grid.rows = std::max(1, g.ROWS);
    grid.left = g.LFTMRG / 100.0;
    grid.top = g.TOPMRG / 100.0;
    grid.labelWidth = (static_cast<double>(g.WMM) - g.LFTMRG - g.RGTMRG - (grid.columns - 1.0) * g.COLSPC) /
                      100 / grid.columns;
    grid.labelHeight =
        (static_cast<double>(g.HMM) - g.TOPMRG - g.BOTMRG - (grid.rows - 1.0) * g.ROWSPC) / 100 / grid.rows;
    grid.columnPitch = grid.labelWidth + g.COLSPC / 100.0;
    grid.rowPitch = grid.labelHeight + g.ROWSPC / 100.0;
    return grid;
}

std::array<ReferenceCorner, 3> ReferenceCorners(const SheetGrid& grid) {
    const double lastColumnRight = grid.left + (grid.columns - 1) * grid.columnPitch + grid.labelWidth;
    const double lastRowBottom = grid.top + (grid.rows - 1) * grid.rowPitch + grid.labelHeight;
    return {
        {{grid.left, grid.top, 1, 1}, {lastColumnRight, grid.top, -1, 1}, {grid.left, lastRowBottom, 1, -1}}};
}

CalibrationMarks MarksAt(const std::array<ReferenceCorner, 3>& corners) {
    CalibrationMarks marks;
    const int reach = static_cast<int>(std::lround(kScaleReach / kScaleStep));
    for (const ReferenceCorner& c : corners) {
        // Across the vertical edge: marks along x, standing along the edge, kScaleDistance into the label.
        const double alongY = c.y + c.inwardY * kScaleDistance;
        // Across the horizontal edge: marks along y, lying along the edge.
        const double alongX = c.x + c.inwardX * kScaleDistance;
        for (int q = -reach; q <= reach; ++q) {
            const double s = q * kScaleStep, length = MarkLength(q);
            const double width = q == 0 ? kZeroMarkWidth : kMarkWidth;
            marks.lines.push_back({c.x + s, alongY, c.x + s, alongY + c.inwardY * length, width});
            marks.lines.push_back({alongX, c.y + s, alongX + c.inwardX * length, c.y + s, width});
            if (q % 4 == 0) {
                const std::string number = (q < 0 ? "+" : "") + MillimetreText(-s);
                // A number is wider than a millimetre: odd ones stand a row further out than even ones.
                const bool odd = (q / 4) % 2 != 0;
                const double gap = MarkLength(0) + 0.5 + kNumberHeight / 2;
                marks.numbers.push_back(
                    {c.x + s, alongY + c.inwardY * (gap + (odd ? kNumberHeight + 0.3 : 0)), number});
                marks.numbers.push_back(
                    {alongX + c.inwardX * (gap + 0.8 + (odd ? 2.2 : 0)), c.y + s, number});
            }
        }
    }
    return marks;
}

std::vector<AlignmentPoint> PointsFromReadings(const std::array<ReferenceCorner, 3>& corners,
                                               const std::array<double, 6>& readings) {
    std::vector<AlignmentPoint> points;
    for (std::size_t i = 0; i < corners.size(); ++i)
        points.push_back({corners[i].x, corners[i].y, readings[2 * i], readings[2 * i + 1]});
    return points;
}

}  // namespace tagmora
