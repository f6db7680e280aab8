#pragma once
// Fitted text on a device context: the font of each height and the two searches for the largest height
// at which a text fits its rectangle. The linear search is the definition; the fast one must find the
// same height, and is what the Canvas uses.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "render/fitted_height.h"
#include "render/gdi_objects.h"

namespace tagmora {

// Height h in device units (the cell height), weight 400, pitch and family 0x12, the face cut to 31
// characters; "Helvetica" when the platform cannot create the face.
Font CreateFittedFont(const std::string& face, int height);

// What the device context's text extents depend on besides font height and face.
DeviceKey ReadDeviceKey(HDC dc);

// h = 1, 2, ... with one font created, selected and measured per height.
int FindFittedHeightLinear(HDC dc, const std::vector<std::string>& lines, const std::string& face,
                           std::int32_t width, std::int32_t height);

// The same height, remembered per text, rectangle, face and device, and measured from per-height tables
// of character advances that all texts of a sheet share.
int FindFittedHeightFast(HDC dc, const std::string& text, const std::vector<std::string>& lines,
                         const std::string& face, std::int32_t width, std::int32_t height,
                         FittedHeightCache& cache);

}  // namespace tagmora
