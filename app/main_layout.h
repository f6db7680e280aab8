#pragma once
// The Main Window's layout arithmetic: the preview kept in the paper's proportions beside a fixed column
// of picture buttons. Platform-free, so that it is tested natively.

#include <cstdint>

namespace tagmora {

struct ControlPlacement {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;

    bool operator==(const ControlPlacement& o) const {
        return x == o.x && y == o.y && width == o.width && height == o.height;
    }
};

// Pixels of the client area kept free of the preview: the button column on the right and 10 pixels on
// every other side.
constexpr std::int32_t kReservedWidth = 148;
constexpr std::int32_t kReservedHeight = 20;
constexpr std::int32_t kPreviewMargin = 10;

// The preview's place in a client area of the given size, for a sheet of WMM x HMM millimetres: as large
// as the free area allows in the paper's proportions, centred across the free width or down the free
// height. A client smaller than the reserved margins (a minimised window) gives a preview of 0 x 0; a
// paper size that is not positive has no proportions to keep, and the preview fills the free area.
ControlPlacement ComputePreviewPlacement(std::int32_t clientWidth, std::int32_t clientHeight,
                                         std::int32_t WMM, std::int32_t HMM);

// Where an attached picture button goes in the client rectangle (left, top, right, bottom); anchored to
// the right edge, and to the top edge except the help panel, which hangs from the bottom edge. Returns
// false for a control that is not one of the seven buttons.
bool PictureButtonPlacement(int controlId, std::int32_t left, std::int32_t top, std::int32_t right,
                            std::int32_t bottom, ControlPlacement& placement);

}  // namespace tagmora
