#include "addresses/printed_size_check.h"

#include <windows.h>

#include <cmath>

#include "model/text_helpers.h"
#include "render/fitted_height.h"
#include "render/fitted_text.h"
#include "render/label_geometry.h"
#include "render/sheet_layout.h"
#include "win/gdi.h"

namespace tagmora {
namespace {

// A printer's resolution: fine enough that one device unit is far below the sizes in question.
constexpr double kDotsPerInch = 600.0;
constexpr double kMillimetresPerInch = 25.4;

}  // namespace

std::vector<std::size_t> AddressesPrintedTooSmall(const SheetSettings& settings,
                                                  const std::vector<std::string>& dests) {
    std::vector<std::size_t> small;
    const auto units = [](std::int32_t mm) {
        return static_cast<std::int32_t>(std::lround(mm * kDotsPerInch / kMillimetresPerInch));
    };
    const SheetLayout layout =
        LayOutSheet(settings, DeviceRect{0, 0, units(settings.WMM), units(settings.HMM)});
    if (layout.count == 0 || dests.empty())
        return small;
    // Every label of a sheet has the same size, so the first one's text rectangle stands for all.
    const DeviceRect content = ComputeLabelGeometry(settings, layout.slots[0], 1.0f).content;
    // Extents scale with the font height, so a screen-compatible device measures 600-dpi heights as well
    // as a printer would, and needs no printer.
    MemoryDC dc(nullptr);
    if (!dc.Get())
        return small;
    const DeviceDescription device = ReadDeviceDescription(dc.Get());
    FittedHeightCache cache;
    for (std::size_t i = 0; i < dests.size(); ++i) {
        const std::vector<std::string> lines = SplitAtCarriageReturns(dests[i]);
        const int height = FindFittedHeightFast(dc.Get(), device, dests[i], lines, settings.FONT,
                                                content.Width(), content.Height(), cache);
        const Font font = CreateFittedFont(settings.FONT, height);
        TEXTMETRICA metrics{};
        {
            const ScopedSelection selected(dc.Get(), font.Get());
            GetTextMetricsA(dc.Get(), &metrics);
        }
        const double points = (metrics.tmHeight - metrics.tmInternalLeading) * 72.0 / kDotsPerInch;
        if (points < kSmallestReadablePoints)
            small.push_back(i);
    }
    return small;
}

}  // namespace tagmora
