#include "colour/colour_model.h"

#include <algorithm>
#include <cmath>

namespace tagmora {

namespace {

// Written out as the picker has always used them; see the header.
constexpr double kOne255th = 0.00392156862745098;
constexpr double kOne60th = 0.016666666666666666;
constexpr double kPi = 3.14159265358;
constexpr double kOne180th = 0.005555555555555556;
constexpr double kOneOverPi = 0.31830988618478295;

int Trunc(double value) {
    return TruncToInt32(value);
}

int Limit(int value, int lowest, int highest) {
    return std::max(lowest, std::min(value, highest));
}

int Component(double value) {
    return Limit(Trunc(value), 0, 255);
}

}  // namespace

Rgb RgbFromColour(Colour colour) {
    return {static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
            static_cast<int>((colour >> 16) & 0xFF)};
}

Colour ColourFromRgb(const Rgb& rgb) {
    const auto byte = [](int component) { return static_cast<Colour>(Limit(component, 0, 255)); };
    return byte(rgb.red) | (byte(rgb.green) << 8) | (byte(rgb.blue) << 16);
}

Hsb RgbToHsb(const Rgb& rgb) {
    const int max = std::max({rgb.red, rgb.green, rgb.blue});
    const int min = std::min({rgb.red, rgb.green, rgb.blue});
    const int spread = max - min;
    Hsb hsb;
    hsb.brightness = max;
    if (spread == 0 || max <= 0)
        return hsb;
    hsb.saturation = Trunc(static_cast<double>(spread) / max * 255);
    double h = 0;
    if (rgb.red == max)
        h = static_cast<double>(rgb.green - rgb.blue) / spread;
    else if (rgb.green == max)
        h = static_cast<double>(rgb.blue - rgb.red) / spread + 2;
    else
        h = static_cast<double>(rgb.red - rgb.green) / spread + 4;
    h = h * 60;
    if (h < 0)
        h += 360;
    if (h == 360)
        h = 0;
    hsb.hue = Trunc(h);
    return hsb;
}

Rgb HsbToRgb(const Hsb& hsb) {
    const int v = Limit(hsb.brightness, 0, 255);
    const double hue = hsb.hue;
    const double chroma = static_cast<double>(hsb.saturation) * v * kOne255th;
    const double low = v - chroma;
    Rgb rgb;
    if (hsb.hue <= 60) {
        rgb = {v, Component(low + hue * kOne60th * chroma), Component(low)};
    } else if (hsb.hue < 120) {
        rgb = {Component(low - (hue * kOne60th - 2) * chroma), v, Component(low)};
    } else if (hsb.hue < 180) {
        rgb = {Component(low), v, Component(low + (hue * kOne60th - 2) * chroma)};
    } else if (hsb.hue < 240) {
        rgb = {Component(low), Component(low - (hue * kOne60th - 4) * chroma), v};
    } else if (hsb.hue <= 300) {
        rgb = {Component(low + (hue * kOne60th - 4) * chroma), Component(low), v};
    } else {
        rgb = {v, Component(low), Component(-((hue - 360) * kOne60th * chroma - low))};
    }
    return rgb;
}

int Distance(DevicePoint a, DevicePoint b) {
    // In doubles: the squares of two screen coordinates' differences overflow 32 bits far off the wheel,
    // where a captured pointer can be.
    const double dx = static_cast<double>(a.x) - b.x;
    const double dy = static_cast<double>(a.y) - b.y;
    return Trunc(std::sqrt(dx * dx + dy * dy));
}

DevicePoint WheelPoint(int hue, int saturation, DevicePoint centre) {
    const double radius = static_cast<double>(saturation) * kWheelRadius * kOne255th;
    const double angle = hue * kPi * kOne180th;
    return {centre.x + Trunc(radius * std::cos(angle)), centre.y - Trunc(radius * std::sin(angle))};
}

HueSaturation HueSaturationFromPoint(DevicePoint point, DevicePoint centre) {
    const double up = static_cast<double>(centre.y) - point.y;
    const double right = static_cast<double>(point.x) - centre.x;
    const double angle = (up == 0 && right == 0) ? 0.0 : std::atan2(up, right);
    HueSaturation result;
    result.hue = Trunc(angle * 180 * kOneOverPi);
    if (result.hue < 0)
        result.hue += 360;
    result.saturation = std::min(Trunc(static_cast<double>(Distance(point, centre)) * 255 * 0.01), 255);
    return result;
}

int StripLine(int brightness, int top, int bottom) {
    const int height = bottom - top;
    return bottom - Trunc(height * (brightness * kOne255th));
}

int BrightnessFromPoint(int y, int top, int bottom) {
    const int height = bottom - top;
    if (height <= 0)
        return 0;
    const double v = (static_cast<double>(bottom) - y) * 255 / height;
    return Trunc(std::max(0.0, std::min(v, 255.0)));
}

int StripRowBrightness(int row, int height) {
    if (height <= 0)
        return 0;
    const double step = 255.0 / height;
    return Component((height - 1 - row) * step);
}

std::vector<Rgb> StripRowColours(int hue, int saturation, int height) {
    std::vector<Rgb> colours;
    for (int row = 0; row < height; ++row)
        colours.push_back(HsbToRgb({hue, saturation, StripRowBrightness(row, height)}));
    return colours;
}

DevicePoint AxisPoint(DevicePoint centre, DevicePoint end, int component) {
    const int length = Distance(centre, end);
    if (length <= 0)
        return centre;
    const int along = length * Limit(component, 0, 255) / 255;
    return {centre.x + (end.x - centre.x) * along / length, centre.y + (end.y - centre.y) * along / length};
}

int ComponentFromDistance(int distance, int length) {
    if (length <= 0)
        return 0;
    return Trunc(static_cast<double>(Limit(distance, 0, length)) / length * 255);
}

BoxCorners BoxCornersOf(DevicePoint centre, DevicePoint red, DevicePoint green, DevicePoint blue) {
    const auto sum = [centre](DevicePoint a, DevicePoint b) {
        return DevicePoint{a.x + b.x - centre.x, a.y + b.y - centre.y};
    };
    const DevicePoint redGreen = sum(red, green);
    return {redGreen, sum(green, blue), sum(red, blue), sum(redGreen, blue)};
}

}  // namespace tagmora
