#pragma once
// Where the Colour Picker's two stored pictures put things, in the pictures' own pixels. The picture
// generator draws by these numbers and the dialog reads clicks by them, so they live in one place.

#include "render/device_rect.h"

namespace tagmora {

// Bitmap 165: the hue/saturation wheel at full brightness, a disc of radius 100 around (100, 100).
constexpr int kWheelWidth = 202;
constexpr int kWheelHeight = 201;
constexpr DevicePoint kWheelCentre{100, 100};

// Bitmap 166: the RGB cube seen along its grey diagonal, black in front at the centre; the three axes run
// from there to the red, green and blue corners.
constexpr int kCubeWidth = 190;
constexpr int kCubeHeight = 190;
constexpr DevicePoint kCubeCentre{102, 108};
constexpr DevicePoint kRedAxisEnd{102, 9};
constexpr DevicePoint kGreenAxisEnd{23, 147};
constexpr DevicePoint kBlueAxisEnd{181, 147};

}  // namespace tagmora
