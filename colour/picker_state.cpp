#include "colour/picker_state.h"

#include <algorithm>
#include <cctype>
#include <climits>

#include "colour/picture_layout.h"
#include "model/text_value_codec.h"

namespace tagmora {

namespace {

DevicePoint Offset(DevicePoint origin, DevicePoint by) {
    return {origin.x + by.x, origin.y + by.y};
}

}  // namespace

int HighestValue(PickerComponent component) {
    return component == PickerComponent::Hue ? 359 : 255;
}

int ReadTypedNumber(const std::string& typed) {
    const std::string text = text_value_codec::Trim(typed);
    std::size_t at = 0;
    const std::size_t end = text.size();
    const bool negative = at < end && text[at] == '-';
    if (at < end && (text[at] == '-' || text[at] == '+'))
        ++at;
    if (at == end)
        return 0;
    long long magnitude = 0;
    for (; at < end; ++at) {
        if (!std::isdigit(static_cast<unsigned char>(text[at])))
            return 0;
        magnitude = std::min(magnitude * 10 + (text[at] - '0'), static_cast<long long>(INT_MAX) + 1);
    }
    if (negative)
        return static_cast<int>(std::max(-magnitude, static_cast<long long>(INT_MIN)));
    return static_cast<int>(std::min(magnitude, static_cast<long long>(INT_MAX)));
}

PickerGeometry PlacePicker(const DeviceRect& rgbBox, const DeviceRect& hsbBox) {
    PickerGeometry g;
    g.hsbArea = hsbBox.Shrunk(5);
    g.hsbArea.left += 10;
    g.hsbArea.top += 20;
    g.wheelTopLeft = {g.hsbArea.left, g.hsbArea.top};
    g.wheelCentre = Offset(g.wheelTopLeft, kWheelCentre);
    g.strip.left = g.wheelTopLeft.x + kWheelWidth + 20;
    g.strip.right = g.strip.left + 20;
    g.strip.top = g.wheelTopLeft.y;
    g.strip.bottom = g.strip.top + kWheelHeight;

    g.rgbArea = rgbBox.Shrunk(5);
    g.rgbArea.left -= 3;
    g.rgbArea.top += 10;
    g.cubeTopLeft = {g.rgbArea.left, g.rgbArea.top};
    g.cubeCentre = Offset(g.cubeTopLeft, kCubeCentre);
    g.redEnd = Offset(g.cubeTopLeft, kRedAxisEnd);
    g.greenEnd = Offset(g.cubeTopLeft, kGreenAxisEnd);
    g.blueEnd = Offset(g.cubeTopLeft, kBlueAxisEnd);
    g.redLength = Distance(g.cubeCentre, g.redEnd);
    g.greenLength = Distance(g.cubeCentre, g.greenEnd);
    g.blueLength = Distance(g.cubeCentre, g.blueEnd);
    return g;
}

DeviceRect MarkerSquare(DevicePoint centre) {
    return {centre.x - 5, centre.y - 5, centre.x + 5, centre.y + 5};
}

PickerState::PickerState(Colour colour)
    : oldColour_(ColourFromRgb(RgbFromColour(colour))), rgb_(RgbFromColour(colour)), hsb_(RgbToHsb(rgb_)) {}

int PickerState::Value(PickerComponent component) const {
    switch (component) {
        case PickerComponent::Red:
            return rgb_.red;
        case PickerComponent::Green:
            return rgb_.green;
        case PickerComponent::Blue:
            return rgb_.blue;
        case PickerComponent::Hue:
            return hsb_.hue;
        case PickerComponent::Saturation:
            return hsb_.saturation;
        case PickerComponent::Brightness:
            return hsb_.brightness;
    }
    return 0;
}

bool PickerState::Type(PickerComponent component, int number) {
    if (number == Value(component))
        return false;
    const int value = std::max(0, std::min(number, HighestValue(component)));
    switch (component) {
        case PickerComponent::Red:
            rgb_.red = value;
            break;
        case PickerComponent::Green:
            rgb_.green = value;
            break;
        case PickerComponent::Blue:
            rgb_.blue = value;
            break;
        case PickerComponent::Hue:
            hsb_.hue = value;
            break;
        case PickerComponent::Saturation:
            hsb_.saturation = value;
            break;
        case PickerComponent::Brightness:
            hsb_.brightness = value;
            break;
    }
    if (component == PickerComponent::Red || component == PickerComponent::Green ||
        component == PickerComponent::Blue)
        hsb_ = RgbToHsb(rgb_);
    else
        rgb_ = HsbToRgb(hsb_);
    return true;
}

bool PickerState::Press(DevicePoint point) {
    const PickerGeometry& g = geometry_;
    drag_ = Drag::None;
    if (g.hsbArea.Contains(point.x, point.y)) {
        if (Distance(point, g.wheelCentre) <= kWheelRadius)
            drag_ = Drag::Wheel;
        else if (g.strip.Contains(point.x, point.y))
            drag_ = Drag::Strip;
    } else if (g.rgbArea.Contains(point.x, point.y)) {
        // Where all three markers meet (black), red is taken first.
        const RgbMarkers markers = AxisMarkers();
        if (MarkerSquare(markers.red).Contains(point.x, point.y))
            drag_ = Drag::Red;
        else if (MarkerSquare(markers.green).Contains(point.x, point.y))
            drag_ = Drag::Green;
        else if (MarkerSquare(markers.blue).Contains(point.x, point.y))
            drag_ = Drag::Blue;
        // An axis marker moves only when dragged: the press itself changes nothing.
        return drag_ != Drag::None;
    }
    if (drag_ == Drag::None)
        return false;
    DragTo(point);
    return true;
}

void PickerState::DragTo(DevicePoint point) {
    switch (drag_) {
        case Drag::None:
            return;
        case Drag::Wheel: {
            const HueSaturation read = HueSaturationFromPoint(point, geometry_.wheelCentre);
            hsb_.hue = read.hue;
            hsb_.saturation = read.saturation;
            rgb_ = HsbToRgb(hsb_);
            return;
        }
        case Drag::Strip:
            hsb_.brightness = BrightnessFromPoint(point.y, geometry_.strip.top, geometry_.strip.bottom);
            rgb_ = HsbToRgb(hsb_);
            return;
        case Drag::Red:
        case Drag::Green:
        case Drag::Blue:
            DragAxis(point);
            return;
    }
}

void PickerState::DragAxis(DevicePoint point) {
    const PickerGeometry& g = geometry_;
    const DevicePoint centre = g.cubeCentre;
    const RgbMarkers markers = AxisMarkers();
    int distance = 0;
    int length = 0;
    int* component = nullptr;
    if (drag_ == Drag::Red) {
        // Straight up: only the height above the centre counts.
        distance = point.y < centre.y ? centre.y - point.y : 0;
        length = g.redLength;
        component = &rgb_.red;
    } else if (drag_ == Drag::Green) {
        // Down to the left: the pointer's x, never right of the centre, at the marker's present height.
        distance = Distance(centre, {std::min(point.x, centre.x), markers.green.y});
        length = g.greenLength;
        component = &rgb_.green;
    } else {
        distance = Distance(centre, {std::max(point.x, centre.x), markers.blue.y});
        length = g.blueLength;
        component = &rgb_.blue;
    }
    *component = ComponentFromDistance(std::min(distance, length), length);
    hsb_ = RgbToHsb(rgb_);
}

DevicePoint PickerState::WheelMarker() const {
    return WheelPoint(hsb_.hue, hsb_.saturation, geometry_.wheelCentre);
}

int PickerState::StripMarker() const {
    return StripLine(hsb_.brightness, geometry_.strip.top, geometry_.strip.bottom);
}

RgbMarkers PickerState::AxisMarkers() const {
    const PickerGeometry& g = geometry_;
    RgbMarkers m;
    m.red = AxisPoint(g.cubeCentre, g.redEnd, rgb_.red);
    m.green = AxisPoint(g.cubeCentre, g.greenEnd, rgb_.green);
    m.blue = AxisPoint(g.cubeCentre, g.blueEnd, rgb_.blue);
    m.corners = BoxCornersOf(g.cubeCentre, m.red, m.green, m.blue);
    return m;
}

}  // namespace tagmora
