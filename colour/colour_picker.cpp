#include "colour/colour_picker.h"

// clang-format off
#include <commctrl.h>
#include <windowsx.h>
// clang-format on

#include <string>
#include <vector>

#include "colour/picture_layout.h"
#include "res/resource_ids.h"
#include "win/gdi.h"

namespace tagmora {

namespace {

struct NumberBox {
    PickerComponent component;
    int edit;
    int spin;
};

constexpr NumberBox kNumberBoxes[kPickerComponents] = {
    {PickerComponent::Red, IDC_RED_EDIT, IDC_RED_SPIN},
    {PickerComponent::Green, IDC_GREEN_EDIT, IDC_GREEN_SPIN},
    {PickerComponent::Blue, IDC_BLUE_EDIT, IDC_BLUE_SPIN},
    {PickerComponent::Hue, IDC_HUE_EDIT, IDC_HUE_SPIN},
    {PickerComponent::Saturation, IDC_SATURATION_EDIT, IDC_SATURATION_SPIN},
    {PickerComponent::Brightness, IDC_BRIGHTNESS_EDIT, IDC_BRIGHTNESS_SPIN}};

// Room around the wheel and the strip for the parts of their markers that stand out beyond them.
constexpr int kMarkerMargin = 6;

std::string TextOf(HWND window) {
    std::vector<char> text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

DevicePoint PointOf(LPARAM lParam) {
    return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

// Draws a pane into a bitmap first and copies it to the dialog in one step, so that the markers never
// flicker as the picture under them is copied again.
class PaneBuffer {
  public:
    PaneBuffer(HDC target, const DeviceRect& area)
        : target_(target),
          area_(area),
          memory_(target),
          bitmap_(CreateCompatibleBitmap(target, area.Width(), area.Height())),
          selection_(memory_.Get(), bitmap_.Get()) {
        // Client coordinates draw straight into the buffer.
        SetWindowOrgEx(memory_.Get(), area.left, area.top, nullptr);
    }
    ~PaneBuffer() {
        BitBlt(target_, area_.left, area_.top, area_.Width(), area_.Height(), memory_.Get(), area_.left,
               area_.top, SRCCOPY);
    }
    PaneBuffer(const PaneBuffer&) = delete;
    PaneBuffer& operator=(const PaneBuffer&) = delete;
    HDC Get() const { return memory_.Get(); }

  private:
    HDC target_;
    DeviceRect area_;
    MemoryDC memory_;
    Bitmap bitmap_;
    ScopedSelection selection_;
};

}  // namespace

ColourPicker::ColourPicker(Colour colour, HWND parent) : Dialog(IDD_COLOUR_PICKER, parent), state_(colour) {
    // The number boxes' spin arrows are common controls.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
}

DeviceRect ColourPicker::ClientRectOf(int controlId) const {
    RECT r{};
    GetWindowRect(Item(controlId), &r);
    MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
}

BOOL ColourPicker::OnInitDialog() {
    initialised_ = false;
    stripColours_.reset();
    CentreOverOwner();
    oldSwatch_ = ClientRectOf(IDC_OLD_COLOUR);
    newSwatch_ = ClientRectOf(IDC_NEW_COLOUR);
    memory_.Reset(CreateCompatibleDC(nullptr));
    wheel_.Load(IDB_HUE_WHEEL);
    cube_.Load(IDB_RGB_CUBE);
    state_.Place(PlacePicker(ClientRectOf(IDC_RGB_BOX), ClientRectOf(IDC_HSB_BOX)));
    const DeviceRect& strip = state_.Geometry().strip;
    strip_ = std::make_unique<BrightnessStrip>(strip.Width(), strip.Height());
    for (const NumberBox& box : kNumberBoxes) {
        const int highest = box.component == PickerComponent::Hue ? 360 : 255;
        SendDlgItemMessageA(Window(), box.spin, UDM_SETRANGE32, 0, highest);
    }
    SetNumberBoxes(std::nullopt);
    initialised_ = true;
    return TRUE;
}

bool ColourPicker::OnCommand(int controlId, int notification, HWND control) {
    if (notification != EN_CHANGE)
        return false;
    for (const NumberBox& box : kNumberBoxes) {
        if (box.edit == controlId) {
            OnNumberTyped(box.component);
            return true;
        }
    }
    return false;
}

void ColourPicker::OnNumberTyped(PickerComponent component) {
    if (!initialised_)
        return;
    const int number = ReadTypedNumber(TextOf(Item(kNumberBoxes[static_cast<int>(component)].edit)));
    if (!state_.Type(component, number))
        return;
    // A number out of range is shown limited at once; otherwise the box keeps what the user typed, so
    // that an emptied box or a sign being typed is not overwritten under the caret.
    const bool limited = state_.Value(component) != number;
    ShowColour(limited ? std::nullopt : std::optional<PickerComponent>(component));
    if (limited) {
        const HWND edit = Item(kNumberBoxes[static_cast<int>(component)].edit);
        const int end = GetWindowTextLengthA(edit);
        SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(end), end);
    }
}

void ColourPicker::ShowColour(std::optional<PickerComponent> typedInto) {
    if (!initialised_ || updating_)
        return;
    updating_ = true;
    {
        const WindowDC dc(Window());
        DrawHsbPane(dc.Get());
        DrawRgbPane(dc.Get());
    }
    SetNumberBoxes(typedInto);
    updating_ = false;
}

void ColourPicker::SetNumberBoxes(std::optional<PickerComponent> except) {
    for (const NumberBox& box : kNumberBoxes) {
        if (box.component != except)
            SendDlgItemMessageA(Window(), box.spin, UDM_SETPOS32, 0, state_.Value(box.component));
    }
}

void ColourPicker::DrawHsbPane(HDC dc) {
    const PickerGeometry& g = state_.Geometry();
    const Hsb& hsb = state_.CurrentHsb();
    if (!stripColours_ || stripColours_->hue != hsb.hue || stripColours_->saturation != hsb.saturation) {
        strip_->SetColours(StripRowColours(hsb.hue, hsb.saturation, g.strip.Height()));
        stripColours_ = HueSaturation{hsb.hue, hsb.saturation};
    }
    DeviceRect area{g.wheelTopLeft.x, g.wheelTopLeft.y, g.strip.right, g.strip.bottom};
    area = area.Shrunk(-kMarkerMargin);
    const PaneBuffer buffer(dc, area);
    const RECT background{area.left, area.top, area.right, area.bottom};
    FillRect(buffer.Get(), &background, GetSysColorBrush(COLOR_BTNFACE));
    wheel_.Draw(buffer.Get(), memory_.Get(), g.wheelTopLeft);
    strip_->Draw(buffer.Get(), {g.strip.left, g.strip.top});
    DrawHsbMarkers(buffer.Get(), state_.WheelMarker(), g.strip, state_.StripMarker());
}

void ColourPicker::DrawRgbPane(HDC dc) {
    const PickerGeometry& g = state_.Geometry();
    // The axis markers and the box never leave the cube picture. Its first three columns (white) lie
    // under the "RGB" box's frame, which themed styles draw wider than two pixels: they are left to it.
    const DeviceRect area{g.cubeTopLeft.x + 3, g.cubeTopLeft.y, g.cubeTopLeft.x + kCubeWidth,
                          g.cubeTopLeft.y + kCubeHeight};
    {
        const PaneBuffer buffer(dc, area);
        cube_.Draw(buffer.Get(), memory_.Get(), g.cubeTopLeft);
        DrawRgbMarkers(buffer.Get(), state_.AxisMarkers());
    }
    DrawSwatch(dc, newSwatch_, state_.NewColour());
}

bool ColourPicker::OnPaint() {
    const PaintScope paint(Window());
    if (!initialised_)
        return true;
    DrawSwatch(paint.Get(), oldSwatch_, state_.OldColour());
    DrawHsbPane(paint.Get());
    DrawRgbPane(paint.Get());
    return true;
}

INT_PTR ColourPicker::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    switch (message) {
        // A quick second press is a press too: it may start a drag.
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            OnLeftButtonDown(PointOf(lParam));
            break;
        case WM_MOUSEMOVE:
            OnMouseMove(PointOf(lParam));
            break;
        case WM_LBUTTONUP:
            OnLeftButtonUp();
            break;
        case WM_SYSCOLORCHANGE:
            OnSystemColourChange();
            break;
        default:
            return FALSE;
    }
    handled = true;
    return TRUE;
}

void ColourPicker::OnLeftButtonDown(DevicePoint point) {
    if (!initialised_ || !state_.Press(point))
        return;
    SetCapture(Window());
    ShowColour();
}

void ColourPicker::OnMouseMove(DevicePoint point) {
    if (GetCapture() != Window())
        return;
    const Rgb rgb = state_.CurrentRgb();
    const Hsb hsb = state_.CurrentHsb();
    state_.DragTo(point);
    if (!(state_.CurrentRgb() == rgb) || !(state_.CurrentHsb() == hsb))
        ShowColour();
}

void ColourPicker::OnLeftButtonUp() {
    if (GetCapture() == Window())
        ReleaseCapture();
    state_.Release();
}

void ColourPicker::OnSystemColourChange() {
    // The pictures' light grey follows the new button-face colour; the spin controls are told too, as
    // common controls expect of their parent.
    wheel_.Load(IDB_HUE_WHEEL);
    cube_.Load(IDB_RGB_CUBE);
    for (const NumberBox& box : kNumberBoxes)
        SendDlgItemMessageA(Window(), box.spin, WM_SYSCOLORCHANGE, 0, 0);
    // The dialog paints over its children's places (it draws inside its group boxes), so they are
    // repainted after it.
    RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace tagmora
