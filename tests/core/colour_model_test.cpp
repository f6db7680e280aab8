#include "colour/colour_model.h"

#include <gtest/gtest.h>

#include <climits>

#include "colour/picker_state.h"
#include "colour/picture_layout.h"

namespace tagmora {
namespace {

TEST(ColourModelTest, ConvertsTheWorkedRowsBothWays) {
    const struct {
        Rgb rgb;
        Hsb hsb;
        Rgb back;
    } rows[] = {{{255, 0, 0}, {0, 255, 255}, {255, 0, 0}},
                {{255, 128, 0}, {30, 255, 255}, {255, 127, 0}},
                {{10, 200, 100}, {148, 242, 200}, {10, 200, 98}},
                {{200, 30, 60}, {349, 216, 200}, {200, 30, 61}},
                {{128, 128, 128}, {0, 0, 128}, {128, 128, 128}},
                {{255, 255, 255}, {0, 0, 255}, {255, 255, 255}},
                {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}};
    for (const auto& row : rows) {
        EXPECT_EQ(row.hsb, RgbToHsb(row.rgb)) << row.rgb.red << " " << row.rgb.green << " " << row.rgb.blue;
        EXPECT_EQ(row.back, HsbToRgb(row.hsb)) << row.hsb.hue;
    }
    const struct {
        Hsb hsb;
        Rgb rgb;
    } hsbRows[] = {{{60, 255, 255}, {255, 255, 0}},  {{90, 255, 255}, {127, 255, 0}},
                   {{180, 255, 255}, {0, 255, 255}}, {{300, 255, 255}, {255, 0, 255}},
                   {{359, 255, 255}, {255, 0, 4}},   {{30, 128, 200}, {200, 149, 99}},
                   {{210, 100, 100}, {60, 80, 100}}};
    for (const auto& row : hsbRows)
        EXPECT_EQ(row.rgb, HsbToRgb(row.hsb))
            << row.hsb.hue << " " << row.hsb.saturation << " " << row.hsb.brightness;
    EXPECT_EQ(120, RgbToHsb({0, 255, 0}).hue);
    EXPECT_EQ(240, RgbToHsb({0, 0, 255}).hue);
    EXPECT_EQ(60, RgbToHsb({255, 255, 0}).hue);
    EXPECT_EQ(180, RgbToHsb({0, 255, 255}).hue);
    EXPECT_EQ(300, RgbToHsb({255, 0, 255}).hue);
    EXPECT_EQ(0x00336699u, ColourFromRgb(RgbFromColour(0xFF336699u)));
}

TEST(ColourModelTest, EveryColourConvertsInsideTheRangesAndGreysHaveNoSaturation) {
    int outside = 0;
    for (int red = 0; red < 256; ++red) {
        for (int green = 0; green < 256; ++green) {
            for (int blue = 0; blue < 256; ++blue) {
                const Hsb hsb = RgbToHsb({red, green, blue});
                const Rgb back = HsbToRgb(hsb);
                outside += hsb.hue < 0 || hsb.hue > 359 || hsb.saturation < 0 || hsb.saturation > 255 ||
                           hsb.brightness < 0 || hsb.brightness > 255 || back.red < 0 || back.red > 255 ||
                           back.green < 0 || back.green > 255 || back.blue < 0 || back.blue > 255;
            }
        }
        EXPECT_EQ((Hsb{0, 0, red}), RgbToHsb({red, red, red}));
    }
    EXPECT_EQ(0, outside);
}

TEST(ColourModelTest, WheelStripAndAxesMapPlacesToValues) {
    const DevicePoint o{50, 60};
    EXPECT_EQ(99, WheelPoint(359, 255, o).x - o.x);
    EXPECT_EQ(1, WheelPoint(359, 255, o).y - o.y);
    const HueSaturation read = HueSaturationFromPoint({o.x + 99, o.y + 1}, o);
    EXPECT_EQ(0, read.hue);
    EXPECT_EQ(252, read.saturation);
    EXPECT_EQ(90, HueSaturationFromPoint({o.x, o.y - 40}, o).hue);
    EXPECT_EQ(255, HueSaturationFromPoint({o.x - 101, o.y}, o).saturation);
    EXPECT_EQ(0, HueSaturationFromPoint(o, o).hue);
    // A captured pointer far off the wheel: the squares of the distance do not overflow.
    EXPECT_EQ(255, HueSaturationFromPoint({-40000, 40000}, {40000, -40000}).saturation);

    EXPECT_EQ(253, StripRowBrightness(0, 201));
    EXPECT_EQ(126, StripRowBrightness(100, 201));
    EXPECT_EQ(0, StripRowBrightness(200, 201));
    EXPECT_EQ(10, StripLine(255, 10, 211));
    EXPECT_EQ(211, StripLine(0, 10, 211));
    EXPECT_EQ(255, BrightnessFromPoint(-500, 10, 211));
    EXPECT_EQ(0, BrightnessFromPoint(900, 10, 211));
    EXPECT_EQ(0, BrightnessFromPoint(10, 10, 10));
    EXPECT_EQ(0, StripRowBrightness(0, 0));

    EXPECT_EQ(99, Distance(kCubeCentre, kRedAxisEnd));
    EXPECT_EQ(88, Distance(kCubeCentre, kGreenAxisEnd));
    EXPECT_EQ(kGreenAxisEnd.x, AxisPoint(kCubeCentre, kGreenAxisEnd, 255).x);
    EXPECT_EQ(kCubeCentre.y - 49, AxisPoint(kCubeCentre, kRedAxisEnd, 128).y);
    EXPECT_EQ(255, ComponentFromDistance(120, 99));
    EXPECT_EQ(128, ComponentFromDistance(50, 99));
    EXPECT_EQ(0, ComponentFromDistance(-3, 99));
    EXPECT_EQ(0, ComponentFromDistance(5, 0));
    const BoxCorners box = BoxCornersOf({0, 0}, {0, -10}, {-8, 4}, {8, 4});
    EXPECT_EQ(-8, box.redGreen.x);
    EXPECT_EQ(8, box.greenBlue.y);
    EXPECT_EQ(-6, box.redBlue.y);
    EXPECT_EQ(-2, box.redGreenBlue.y);
}

TEST(PickerStateTest, TypedNumbersAreReadLimitedAndConvertedIntoTheOtherModelOnly) {
    EXPECT_EQ(300, ReadTypedNumber(" 300 "));
    EXPECT_EQ(-5, ReadTypedNumber("-5"));
    EXPECT_EQ(0, ReadTypedNumber(""));
    EXPECT_EQ(0, ReadTypedNumber("-"));
    EXPECT_EQ(0, ReadTypedNumber("12a"));
    EXPECT_EQ(INT_MAX, ReadTypedNumber("99999999999"));
    EXPECT_EQ(INT_MIN, ReadTypedNumber("-99999999999"));

    PickerState state(0x000080FF);  // RGB 255, 128, 0
    EXPECT_FALSE(state.Type(PickerComponent::Red, 255));
    EXPECT_TRUE(state.Type(PickerComponent::Red, 300));
    EXPECT_EQ(255, state.Value(PickerComponent::Red));
    EXPECT_TRUE(state.Type(PickerComponent::Brightness, 200));
    EXPECT_EQ((Hsb{30, 255, 200}), state.CurrentHsb());
    EXPECT_EQ(HsbToRgb({30, 255, 200}), state.CurrentRgb());
    EXPECT_TRUE(state.Type(PickerComponent::Blue, -7));
    EXPECT_EQ(0, state.CurrentRgb().blue);
    EXPECT_TRUE(state.Type(PickerComponent::Hue, 360));
    EXPECT_EQ(359, state.Value(PickerComponent::Hue));
    EXPECT_EQ(0x000080FFu, state.OldColour());
}

TEST(PickerStateTest, PressesAndDragsFollowTheWheelTheStripAndTheAxes) {
    PickerState state(0x000000FF);
    // Boxes as the dialog's template gives them under Tahoma 8.
    state.Place(PlacePicker({9, 11, 216, 266}, {223, 11, 493, 266}));
    const PickerGeometry& g = state.Geometry();
    EXPECT_EQ(338, g.wheelCentre.x);
    EXPECT_EQ(136, g.wheelCentre.y);
    EXPECT_EQ((DeviceRect{460, 36, 480, 237}), g.strip);
    EXPECT_EQ(113, g.cubeCentre.x);
    EXPECT_EQ(134, g.cubeCentre.y);
    EXPECT_EQ(35, g.redEnd.y);
    EXPECT_EQ(88, g.blueLength);

    const DevicePoint o = g.cubeCentre;
    EXPECT_FALSE(state.Press({o.x - 40, o.y - 30}));
    EXPECT_EQ(0x000000FFu, state.NewColour());
    ASSERT_TRUE(state.Press(g.redEnd));
    state.DragTo({o.x, o.y + 20});
    EXPECT_EQ(0, state.CurrentRgb().red);
    state.DragTo({o.x, o.y - 400});
    EXPECT_EQ(255, state.CurrentRgb().red);
    state.Release();
    // Every axis marker follows its component, however it changed.
    EXPECT_TRUE(state.Type(PickerComponent::Green, 255));
    EXPECT_EQ(g.greenEnd.x, state.AxisMarkers().green.x);

    const DevicePoint c = g.wheelCentre;
    ASSERT_TRUE(state.Press({c.x + 10, c.y}));
    state.DragTo({c.x, c.y + 300});
    EXPECT_EQ(270, state.CurrentHsb().hue);
    EXPECT_EQ(255, state.CurrentHsb().saturation);
    ASSERT_TRUE(state.Press({g.strip.left + 3, g.strip.top + 50}));
    state.DragTo({g.strip.left - 90, g.strip.top - 60});
    EXPECT_EQ(255, state.CurrentHsb().brightness);
    state.DragTo({g.strip.left, g.strip.bottom + 60});
    EXPECT_EQ((Rgb{0, 0, 0}), state.CurrentRgb());
    EXPECT_FALSE(state.Press({g.strip.right + 1, g.strip.top + 50}));
}

}  // namespace
}  // namespace tagmora
