#pragma once
// The printer alignment's calibration page: the sheet's three reference corners with their scales, printed
// true to size so that it can be laid on a sheet of those labels and read.

#include <windows.h>

#include "alignment/calibration_marks.h"
#include "alignment/printer_map.h"

namespace tagmora {

// The page on the printer, drawn through the correction (the identity for a first reading). False when
// the printer did not take it; the caller says so.
bool PrintCalibrationPage(HDC printer, const SheetGrid& grid, const AffineMap& correction);

}  // namespace tagmora
