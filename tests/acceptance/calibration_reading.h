#pragma once
// The bench's stand-in for a person with a calibration page on a sheet of labels, and for a printer that
// puts pages where it likes: a rendered page seen through a known error of the printer, and the six
// readings taken off it where the zero marks landed against the reference corners.

#include <array>
#include <optional>

#include "alignment/calibration_marks.h"
#include "alignment/printer_map.h"
#include "printed_page.h"

namespace tagmora::acceptance {

// The rendered page as a printer with this error (millimetres on the paper) would have put it on paper.
class SimulatedPrint {
  public:
    SimulatedPrint(const PagePicture& page, const AffineMap& printerError, double dotsPerMm);
    bool IsInk(double xMm, double yMm) const;

  private:
    const PagePicture& page_;
    AffineMap undo_;
    double dotsPerMm_;
};

// Where each scale's zero bar landed, less where it belongs: x and y at each corner; empty when a bar
// is not found near its place.
std::optional<std::array<double, 6>> ReadCalibrationPage(const SimulatedPrint& print,
                                                         const std::array<ReferenceCorner, 3>& corners);

}  // namespace tagmora::acceptance
