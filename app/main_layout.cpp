#include "app/main_layout.h"

#include <cmath>

#include "res/resource_ids.h"

namespace tagmora {
namespace {

std::int32_t CutTowardZero(double value) {
    return static_cast<std::int32_t>(std::trunc(value));
}

}  // namespace

ControlPlacement ComputePreviewPlacement(std::int32_t clientWidth, std::int32_t clientHeight,
                                         std::int32_t WMM, std::int32_t HMM) {
    const std::int32_t W = clientWidth - kReservedWidth;
    const std::int32_t H = clientHeight - kReservedHeight;
    if (W <= 0 || H <= 0)
        return {kPreviewMargin, kPreviewMargin, 0, 0};
    if (WMM <= 0 || HMM <= 0)
        return {kPreviewMargin, kPreviewMargin, W, H};

    const double aspect = static_cast<double>(WMM) / static_cast<double>(HMM);
    ControlPlacement placement;
    if (static_cast<double>(W) / static_cast<double>(H) > aspect) {
        placement.height = H;
        placement.width = CutTowardZero(static_cast<double>(static_cast<float>(H)) * aspect);
        placement.x = (W - placement.width) / 2 + kPreviewMargin;
        placement.y = kPreviewMargin;
    } else {
        placement.width = W;
        placement.height = CutTowardZero(static_cast<double>(W) / aspect);
        placement.x = kPreviewMargin;
        placement.y = (H - placement.height) / 2 + kPreviewMargin;
    }
    return placement;
}

bool PictureButtonPlacement(int controlId, std::int32_t left, std::int32_t top, std::int32_t right,
                            std::int32_t bottom, ControlPlacement& placement) {
    switch (controlId) {
        case IDC_TITLE_PICTURE:
            placement = {right - 133, top + 10, 123, 119};
            return true;
        case IDC_ABOUT:
            placement = {right - 124, top + 133, 114, 59};
            return true;
        case IDC_SETUP:
            placement = {right - 124, top + 198, 114, 61};
            return true;
        case IDC_PRINT:
            placement = {right - 124, top + 263, 114, 61};
            return true;
        case IDC_ADDRESSES:
            placement = {right - 124, top + 328, 114, 61};
            return true;
        case IDC_EXIT:
            placement = {right - 124, top + 393, 114, 61};
            return true;
        case IDC_HELP_PANEL:
            placement = {right - 121, bottom - 132, 109, 122};
            return true;
        default:
            return false;
    }
}

}  // namespace tagmora
