#pragma once
// The calibration page's marks, in millimetres from the paper's top-left corner: at three label corners
// of the sheet, two scales that cross the label's edges, so that a person reads the print's error where
// the die-cut edge meets a scale, without a ruler.

#include <array>
#include <string>
#include <vector>

#include "alignment/printer_map.h"
#include "model/label_sheet.h"

namespace tagmora {

// The sheet's grid as it lies on the paper, in millimetres.
struct SheetGrid {
    double left = 0, top = 0;  // the first label's top-left corner
    double labelWidth = 0, labelHeight = 0;
    double columnPitch = 0, rowPitch = 0;  // from one label's left (top) edge to the next one's
    int columns = 1, rows = 1;
};

// Where the sheet's labels lie when it prints true to size.
SheetGrid SheetGridOf(const SheetSettings& settings);

// A corner of a label, and the direction from it into the label (+1 or -1 on each axis).
struct ReferenceCorner {
    double x = 0, y = 0;
    int inwardX = 1, inwardY = 1;
};

// The top-left corner of the first label, the top-right corner of the last label of the first row and
// the bottom-left corner of the first label of the last row, in that order.
std::array<ReferenceCorner, 3> ReferenceCorners(const SheetGrid& grid);

struct MarkLine {
    double x0, y0, x1, y1;
    double width;
};

struct MarkNumber {
    double x, y;  // the centre of the number
    std::string text;
};

struct CalibrationMarks {
    std::vector<MarkLine> lines;
    std::vector<MarkNumber> numbers;
};

constexpr double kScaleReach = 3.0;     // each scale runs from -3 to +3 mm
constexpr double kScaleStep = 0.25;     // a mark every quarter of a millimetre
constexpr double kScaleDistance = 4.0;  // how far along the edge from the corner a scale crosses it
constexpr double kNumberHeight = 1.4;
constexpr double kMarkWidth = 0.1;
// The zero mark is a bar: found at a glance, and by the bench in a picture of the page.
constexpr double kZeroMarkWidth = 0.4;

// Both scales of every corner. A mark is drawn where a print without error puts the edge's offset s; it
// is numbered -s, so that the number the real edge meets is how far the print landed right of (or below)
// where it belongs.
CalibrationMarks MarksAt(const std::array<ReferenceCorner, 3>& corners);

// The six readings (x then y at each corner) as the points the printer's map is solved from.
std::vector<AlignmentPoint> PointsFromReadings(const std::array<ReferenceCorner, 3>& corners,
                                               const std::array<double, 6>& readings);

}  // namespace tagmora
