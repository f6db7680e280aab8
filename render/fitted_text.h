#pragma once
// Fitted text on a device context: the font of each height and the two searches for the largest height
// at which a text fits its rectangle. The linear search is the definition; the fast one must find the
// same height, and is what the Canvas uses.

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "render/fitted_height.h"
#include "win/gdi.h"

namespace tagmora {

// Height h in device units (the cell height), weight 400, pitch and family 0x12, the face cut to 31
// characters; "Helvetica" when the platform cannot create the face.
Font CreateFittedFont(const std::string& face, int height);

// The device's kind and resolution. Reading them can cost a round trip to the display server, so a
// drawing sequence reads them once per device context.
struct DeviceDescription {
    int technology = 0;
    int pixelsPerInchX = 0;
    int pixelsPerInchY = 0;
    int width = 0;
    int height = 0;
};
DeviceDescription ReadDeviceDescription(HDC dc);

// Fonts of fitted text kept between draws. Creating a font is cheap, but the platform matches a new font
// to its face again when it is first selected (tens of microseconds under Wine, three times per label),
// where a font it has realised before selects at once. Bounded: a full cache is emptied, all but the
// font the caller still has selected, which must not be deleted.
class FontCache {
  public:
    static constexpr std::size_t kMaxFonts = 64;
    HFONT Get(const std::string& face, int height, HFONT selected = nullptr);
    void Clear() { fonts_.clear(); }
    std::size_t Size() const { return fonts_.size(); }

  private:
    std::map<std::pair<std::string, int>, Font> fonts_;
};

// What the device context's text extents depend on besides font height and face: the device, and the
// mapping from logical to device units as it stands now.
DeviceKey ReadDeviceKey(HDC dc, const DeviceDescription& device);

// h = 1, 2, ... with one font created, selected and measured per height.
int FindFittedHeightLinear(HDC dc, const std::vector<std::string>& lines, const std::string& face,
                           std::int32_t width, std::int32_t height);

// The same height, remembered per text, rectangle, face and device, and measured from per-height tables
// of character advances that all texts of a sheet share.
int FindFittedHeightFast(HDC dc, const DeviceDescription& description, const std::string& text,
                         const std::vector<std::string>& lines, const std::string& face, std::int32_t width,
                         std::int32_t height, FittedHeightCache& cache);

}  // namespace tagmora
