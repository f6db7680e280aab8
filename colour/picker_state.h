#pragma once
// The Colour Picker without its window: where its panes lie in the dialog, the colour in both models, and
// what a typed number, a press and a drag step do to them. The dialog shows what this holds.

#include <string>

#include "colour/colour_model.h"
#include "model/colour.h"
#include "render/device_rect.h"

namespace tagmora {

// In the order of the dialog's six number boxes.
enum class PickerComponent { Red, Green, Blue, Hue, Saturation, Brightness };
constexpr int kPickerComponents = 6;
// The highest value a component's box takes; the hue box's spin goes one further (to 360) and the box
// brings it back.
int HighestValue(PickerComponent component);

// The number a box's text stands for: an optional sign and decimal digits, with spaces around them allowed;
// numbers beyond the 32-bit range stop at its limits, and any other text counts as 0.
int ReadTypedNumber(const std::string& text);

// Client pixels of the dialog, computed once from its "RGB" and "HSB" group boxes.
struct PickerGeometry {
    // Presses here go to the wheel or the strip.
    DeviceRect hsbArea;
    DevicePoint wheelTopLeft;
    DevicePoint wheelCentre;
    DeviceRect strip;
    // Presses here go to the axis markers.
    DeviceRect rgbArea;
    DevicePoint cubeTopLeft;
    DevicePoint cubeCentre;
    DevicePoint redEnd;
    DevicePoint greenEnd;
    DevicePoint blueEnd;
    int redLength = 0;
    int greenLength = 0;
    int blueLength = 0;
};

PickerGeometry PlacePicker(const DeviceRect& rgbBox, const DeviceRect& hsbBox);

// The three axis markers and the further corners of the box they span.
struct RgbMarkers {
    DevicePoint red;
    DevicePoint green;
    DevicePoint blue;
    BoxCorners corners;
};

// The 10 x 10 pixel square drawn around a marker point, which is also the press target of an axis marker.
DeviceRect MarkerSquare(DevicePoint centre);

class PickerState {
  public:
    explicit PickerState(Colour colour);

    void Place(const PickerGeometry& geometry) { geometry_ = geometry; }
    const PickerGeometry& Geometry() const { return geometry_; }

    Colour OldColour() const { return oldColour_; }
    Colour NewColour() const { return ColourFromRgb(rgb_); }
    const Rgb& CurrentRgb() const { return rgb_; }
    const Hsb& CurrentHsb() const { return hsb_; }
    int Value(PickerComponent component) const;

    // A number read from a component's box. False when it equals the component (nothing to do); otherwise
    // the component takes it within its limits, the other model is converted from this one, and true.
    bool Type(PickerComponent component, int number);

    // Left button down at a client point; true when a drag starts there (the caller captures the mouse).
    bool Press(DevicePoint point);
    // A pointer move while the drag lasts.
    void DragTo(DevicePoint point);
    void Release() { drag_ = Drag::None; }

    DevicePoint WheelMarker() const;
    int StripMarker() const;
    RgbMarkers AxisMarkers() const;

  private:
    enum class Drag { None, Wheel, Strip, Red, Green, Blue };

    void DragAxis(DevicePoint point);

    Colour oldColour_;
    Rgb rgb_;
    Hsb hsb_;
    PickerGeometry geometry_;
    Drag drag_ = Drag::None;
};

}  // namespace tagmora
