#pragma once
// The Colour Picker's two colour models, RGB and HSB, and the mappings between colour values and places on
// its pictures: the hue/saturation wheel, the brightness strip and the three axes of the RGB cube.
//
// The integers the user sees come out of double arithmetic with fixed constants and truncation toward
// zero, so the constants below are the contract, not approximations to be improved: 1/255 written as
// 0.00392156862745098 makes 255 x 255 x (1/255) fall just short of 255, and pi written as 3.14159265358
// moves the wheel's angles by a few billionths of a degree. The conversions are not inverses of each other
// (RGB 255,128,0 gives HSB 30,255,255, which gives RGB 255,127,0), which is why the picker only ever
// converts from the triple the user changed to the other one.

#include <vector>

#include "model/colour.h"
#include "render/device_rect.h"

namespace tagmora {

// Each component 0 to 255.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb& o) const { return red == o.red && green == o.green && blue == o.blue; }
};

// Hue in whole degrees 0 to 359; saturation and brightness 0 to 255, on the same scale as RGB.
struct Hsb {
    int hue = 0;
    int saturation = 0;
    int brightness = 0;
    bool operator==(const Hsb& o) const {
        return hue == o.hue && saturation == o.saturation && brightness == o.brightness;
    }
};

struct HueSaturation {
    int hue = 0;
    int saturation = 0;
};

// The further corners of the box that the three axis markers span (the corners on the axes are the
// markers themselves).
struct BoxCorners {
    DevicePoint redGreen;
    DevicePoint greenBlue;
    DevicePoint redBlue;
    DevicePoint redGreenBlue;
};

constexpr int kWheelRadius = 100;

Rgb RgbFromColour(Colour colour);
Colour ColourFromRgb(const Rgb& rgb);

Hsb RgbToHsb(const Rgb& rgb);
// Components outside 0 to 255 (from a hue, saturation or brightness outside its range) stop at the limits.
Rgb HsbToRgb(const Hsb& hsb);

// The square root of the sum of the squared differences, truncated; exact for any two 32-bit points.
int Distance(DevicePoint a, DevicePoint b);

// Where a hue and saturation lie on a wheel around the centre: hue 0 to the right, 90 straight up.
DevicePoint WheelPoint(int hue, int saturation, DevicePoint centre);
// What a point reads on the wheel; saturation stops at 255 outside it, and the centre reads hue 0.
HueSaturation HueSaturationFromPoint(DevicePoint point, DevicePoint centre);

// The strip's marker line for a brightness, between the strip's top and bottom (exclusive) edges.
int StripLine(int brightness, int top, int bottom);
// The brightness a pointer at height y reads on the strip, 0 to 255 wherever y is.
int BrightnessFromPoint(int y, int top, int bottom);
// The brightness shown in pixel row r (0 at the top) of a strip of the given height.
int StripRowBrightness(int row, int height);
// The colour of every row of the strip for a hue and saturation, top row first.
std::vector<Rgb> StripRowColours(int hue, int saturation, int height);

// The marker point of a component value (0 to 255) on the axis from the centre to its end.
DevicePoint AxisPoint(DevicePoint centre, DevicePoint end, int component);
// The component a distance along an axis of the given length stands for, 0 to 255.
int ComponentFromDistance(int distance, int length);
BoxCorners BoxCornersOf(DevicePoint centre, DevicePoint red, DevicePoint green, DevicePoint blue);

}  // namespace tagmora
