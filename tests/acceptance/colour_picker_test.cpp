// The Colour Picker as a person uses it: opened by this program on a thread of its own, as a colour button
// opens it, read from the screen's pixels, and driven with real mouse and keyboard input.
#include "colour/colour_picker.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "acceptance_fixture.h"
#include "colour/colour_pictures.h"
#include "colour/picture_layout.h"
#include "real_input.h"
#include "res/resource_ids.h"
#include "screen_capture.h"

namespace tagmora::acceptance {
namespace {

using namespace std::chrono_literals;

class OpenPicker {
  public:
    explicit OpenPicker(Colour colour) {
        thread_ = std::thread([this, colour] {
            ColourPicker picker(colour, nullptr);
            ended_ = picker.RunModal();
            result_ = picker.Result();
        });
        WaitUntil([this] { return (window_ = FindWindowA("#32770", "Color Picker")) != nullptr; }, 5s);
    }
    ~OpenPicker() { Join(); }
    OpenPicker(const OpenPicker&) = delete;
    OpenPicker& operator=(const OpenPicker&) = delete;

    HWND Window() const { return window_; }
    std::string Box(int id) const { return WindowText(GetDlgItem(window_, id)); }
    std::string Boxes() const {
        std::string all;
        for (int id : {IDC_RED_EDIT, IDC_GREEN_EDIT, IDC_BLUE_EDIT, IDC_HUE_EDIT, IDC_SATURATION_EDIT,
                       IDC_BRIGHTNESS_EDIT})
            all += Box(id) + " ";
        return all;
    }
    // Where the picker's panes are on the screen, by its own geometry.
    PickerGeometry Geometry() const {
        const auto clientRect = [this](int id) {
            RECT r{};
            GetWindowRect(GetDlgItem(window_, id), &r);
            MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&r), 2);
            return DeviceRect{r.left, r.top, r.right, r.bottom};
        };
        return PlacePicker(clientRect(IDC_RGB_BOX), clientRect(IDC_HSB_BOX));
    }
    POINT OnScreen(DevicePoint client) const {
        POINT p{client.x, client.y};
        ClientToScreen(window_, &p);
        return p;
    }
    // Waits for the picker to end (cancelling it if it is still open).
    void Join() {
        if (IsWindow(window_))
            PostMessageA(window_, WM_COMMAND, IDCANCEL, 0);
        if (thread_.joinable())
            thread_.join();
    }
    INT_PTR Ended() const { return ended_; }
    Colour Result() const { return result_; }

  private:
    std::thread thread_;
    HWND window_ = nullptr;
    std::atomic<INT_PTR> ended_{0};
    std::atomic<Colour> result_{0};
};

std::string Triples(const Rgb& rgb, const Hsb& hsb) {
    std::string all;
    for (int v : {rgb.red, rgb.green, rgb.blue, hsb.hue, hsb.saturation, hsb.brightness})
        all += std::to_string(v) + " ";
    return all;
}

// The client pixels (inclusive bounds) where the screen differs from the picture drawn at its top-left;
// empty when nothing differs.
DeviceRect Differences(const OpenPicker& picker, DevicePoint topLeft, const Picture& picture) {
    const POINT origin = picker.OnScreen(topLeft);
    const ScreenCapture screen({origin.x, origin.y, origin.x + picture.width, origin.y + picture.height});
    DeviceRect bounds{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            if (screen.At({origin.x + x, origin.y + y}) == picture.At(x, y))
                continue;
            bounds = {std::min(bounds.left, topLeft.x + x), std::min(bounds.top, topLeft.y + y),
                      std::max(bounds.right, topLeft.x + x), std::max(bounds.bottom, topLeft.y + y)};
        }
    }
    return bounds.left == INT32_MAX ? DeviceRect{} : bounds;
}

void Retype(const OpenPicker& picker, int box, const std::string& text) {
    Click(ControlCentre(picker.Window(), box));
    PressKey(VK_HOME);
    PressKeys({VK_SHIFT, VK_END});
    TypeText(text);
}

// The button-face colour for as long as it lives; every window is told, as the system tells them.
class ButtonFace {
  public:
    explicit ButtonFace(COLORREF colour) : old_(GetSysColor(COLOR_BTNFACE)) { Set(colour); }
    ~ButtonFace() { Set(old_); }
    ButtonFace(const ButtonFace&) = delete;
    ButtonFace& operator=(const ButtonFace&) = delete;

  private:
    static void Set(COLORREF colour) {
        const INT element = COLOR_BTNFACE;
        SetSysColors(1, &element, &colour);
    }
    COLORREF old_;
};

TEST(ColourPickerTest, OpensOnRedAndKeepsWheelStripCubeAndBoxesInStep) {
    if (!HasDisplay())
        GTEST_SKIP() << "no DISPLAY: the picker cannot be seen or clicked";
    OpenPicker picker(0x000000FF);
    ASSERT_NE(nullptr, picker.Window()) << "the picker did not open";
    ASSERT_TRUE(Activate(picker.Window()));
    const PickerGeometry g = picker.Geometry();
    const POINT oldSwatch = ControlCentre(picker.Window(), IDC_OLD_COLOUR);
    const POINT newSwatch = ControlCentre(picker.Window(), IDC_NEW_COLOUR);
    {
        RECT frame{};
        GetWindowRect(picker.Window(), &frame);
        const ScreenCapture shown(frame);
        EXPECT_TRUE(shown.SavePng(ScreenshotPath("colour_picker.png")));
        EXPECT_TRUE(NearColour(shown.At(oldSwatch), 0x000000FF));
        EXPECT_TRUE(NearColour(shown.At(newSwatch), 0x000000FF));
    }
    EXPECT_EQ("255 0 0 0 255 255 ", picker.Boxes());
    // Read from the pixels: the wheel shows its stored picture but for the marker square at the right
    // edge (cut by the picture's edge), and the strip its colours but for the bar at the top.
    const DevicePoint c = g.wheelCentre;
    EXPECT_EQ((DeviceRect{c.x + 95, c.y - 5, g.wheelTopLeft.x + 201, c.y + 4}),
              Differences(picker, g.wheelTopLeft, DrawHueWheel()));
    Picture strip{1, g.strip.Height(), {}};
    for (const Rgb& rgb : StripRowColours(0, 255, g.strip.Height()))
        strip.pixels.push_back(ColourFromRgb(rgb));
    // The bar is centred on the strip's top edge: its lower edge crosses the strip.
    const DeviceRect bar = Differences(picker, {g.strip.left + 10, g.strip.top}, strip);
    EXPECT_LE(g.strip.top, bar.top);
    EXPECT_GE(g.strip.top + 5, bar.bottom);
    // The cube with its light grey in the button-face colour, changed only along the red axis where the
    // markers and the flat box lie.
    // Its first three columns lie under the group box's frame.
    Picture cube{kCubeWidth - 3, kCubeHeight, {}};
    const Picture plain = DrawRgbCube();
    for (int i = 0; i < kCubeWidth * kCubeHeight; ++i) {
        const Colour pixel = plain.pixels[static_cast<std::size_t>(i)];
        if (i % kCubeWidth >= 3)
            cube.pixels.push_back(pixel == kLightGrey ? GetSysColor(COLOR_BTNFACE) : pixel);
    }
    const DeviceRect marked = Differences(picker, {g.cubeTopLeft.x + 3, g.cubeTopLeft.y}, cube);
    EXPECT_GE(marked.left, g.cubeCentre.x - 5);
    EXPECT_LE(marked.right, g.cubeCentre.x + 4);
    EXPECT_GE(marked.top, g.redEnd.y - 5);
    EXPECT_LE(marked.bottom, g.cubeCentre.y + 4);

    // The red marker dragged below the centre gives 0, then from the centre above the top end 255.
    Drag(picker.OnScreen(g.redEnd), picker.OnScreen({g.cubeCentre.x, g.cubeCentre.y + 30}));
    EXPECT_TRUE(WaitUntil([&] { return picker.Boxes() == "0 0 0 0 0 0 "; }, 3s)) << picker.Boxes();
    Drag(picker.OnScreen(g.cubeCentre), picker.OnScreen({g.cubeCentre.x + 2, g.redEnd.y - 20}));
    EXPECT_TRUE(WaitUntil([&] { return picker.Boxes() == "255 0 0 0 255 255 "; }, 3s)) << picker.Boxes();

    // Pressed inside the wheel and dragged out of it, and out of the dialog: the hue follows the angle
    // (135 degrees, up and left) with saturation 255.
    Drag(picker.OnScreen({c.x + 40, c.y}), picker.OnScreen({c.x - 300, c.y - 300}));
    const std::string dragged = Triples(HsbToRgb({135, 255, 255}), {135, 255, 255});
    EXPECT_TRUE(WaitUntil([&] { return picker.Boxes() == dragged; }, 3s)) << picker.Boxes();

    // A press on the cube away from the three markers changes nothing.
    RECT frame{};
    GetWindowRect(picker.Window(), &frame);
    const ScreenCapture before(frame);
    Click(picker.OnScreen({g.cubeTopLeft.x + 60, g.cubeTopLeft.y + 60}));
    Sleep(300);
    EXPECT_TRUE(ScreenCapture(frame).SamePixelsAs(before));
    EXPECT_EQ(dragged, picker.Boxes());

    // Typed numbers out of range are limited at once; only the other model is recomputed.
    Retype(picker, IDC_RED_EDIT, "300");
    const Rgb typedRgb{255, 255, HsbToRgb({135, 255, 255}).blue};
    const std::string typed = Triples(typedRgb, RgbToHsb(typedRgb));
    EXPECT_TRUE(WaitUntil([&] { return picker.Boxes() == typed; }, 3s)) << picker.Boxes();
    Retype(picker, IDC_HUE_EDIT, "360");
    const Hsb typedHsb{359, RgbToHsb(typedRgb).saturation, 255};
    const std::string hue = Triples(HsbToRgb(typedHsb), typedHsb);
    EXPECT_TRUE(WaitUntil([&] { return picker.Boxes() == hue; }, 3s)) << picker.Boxes();
    // The hue spin's up arrow at 359 gives the same.
    RECT spin = ClientRectOnScreen(GetDlgItem(picker.Window(), IDC_HUE_SPIN));
    Click({(spin.left + spin.right) / 2, spin.top + 3});
    Sleep(300);
    EXPECT_EQ(hue, picker.Boxes());

    // The cube's light grey follows the button face when the system colours change.
    int outline = 0;
    while (outline < kCubeWidth - 1 && plain.At(outline, kCubeCentre.y) != kLightGrey)
        ++outline;
    const POINT grey = picker.OnScreen({g.cubeTopLeft.x + outline, g.cubeCentre.y});
    {
        const ButtonFace face(0x00305070);
        EXPECT_TRUE(WaitUntil([&] { return ScreenCapture(frame).At(grey) == 0x00305070; }, 3s));
    }
    EXPECT_TRUE(WaitUntil([&] { return ScreenCapture(frame).At(grey) == GetSysColor(COLOR_BTNFACE); }, 3s));

    // Cancel ends the picker; its result is the last new colour, and the old one still shows red.
    const ScreenCapture changed(frame);
    EXPECT_TRUE(changed.SavePng(ScreenshotPath("colour_picker_changed.png")));
    EXPECT_TRUE(NearColour(changed.At(oldSwatch), 0x000000FF));
    Click(ControlCentre(picker.Window(), IDCANCEL));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(picker.Window()); }, 3s));
    picker.Join();
    EXPECT_EQ(IDCANCEL, picker.Ended());
    EXPECT_EQ(ColourFromRgb(HsbToRgb(typedHsb)), picker.Result());
}

}  // namespace
}  // namespace tagmora::acceptance
