#include "dialogs/value_slider.h"

#include <commctrl.h>

#include <string>

#include "dialogs/setup_fields.h"
#include "res/resource_ids.h"

namespace tagmora {
namespace {

// Posted at initialisation: the thumb is grabbed from the dialog's own loop.
constexpr UINT kGrabThumb = WM_APP + 1;

}  // namespace

ValueSlider::ValueSlider(std::int32_t& field, std::int32_t minimum, std::int32_t maximum, int boxId,
                         HWND parent)
    : Dialog(IDD_VALUE_SLIDER, parent),
      field_(field),
      minimum_(minimum),
      maximum_(maximum),
      boxId_(boxId),
      atOpening_(field) {
    GetCursorPos(&pointerAtStart_);
}

ValueSlider::~ValueSlider() {
    SetCursorPos(pointerAtStart_.x, pointerAtStart_.y);
}

BOOL ValueSlider::OnInitDialog() {
    const HWND trackbar = Item(IDC_SLIDER_TRACKBAR);
    PlaceOverControlUnderPointer();
    SetDlgItemInt(Window(), IDC_SLIDER_MAXIMUM, static_cast<UINT>(maximum_), TRUE);
    SetDlgItemInt(Window(), IDC_SLIDER_MINIMUM, static_cast<UINT>(minimum_), TRUE);
    SendMessageA(trackbar, TBM_SETRANGEMIN, FALSE, minimum_);
    SendMessageA(trackbar, TBM_SETRANGEMAX, FALSE, maximum_);
    // The trackbar clamps a value outside the range; the first paint then writes the clamped value back.
    SendMessageA(trackbar, TBM_SETPOS, TRUE, InvertedTrackbarPosition(field_, minimum_, maximum_));
    // A modal dialog cancels whatever holds the mouse capture once its initialisation returns: grabbed
    // now, the thumb would be let go again at once.
    PostMessageA(Window(), kGrabThumb, 0, 0);
    return TRUE;
}

void ValueSlider::PlaceOverControlUnderPointer() {
    POINT pointer{};
    GetCursorPos(&pointer);
    const HWND parent = Parent();
    POINT inParent = pointer;
    ScreenToClient(parent, &inParent);
    const HWND control = ChildWindowFromPointEx(parent, inParent, CWP_SKIPTRANSPARENT);
    RECT popup{};
    GetWindowRect(Window(), &popup);
    POINT corner = pointer;
    if (control && control != parent) {
        RECT r{};
        GetWindowRect(control, &r);
        // Standing on the "»": the popup's bottom edge at the control's middle.
        corner = {r.left, r.top + (r.bottom - r.top) / 2 - (popup.bottom - popup.top)};
    }
    SetWindowPos(Window(), HWND_TOP, corner.x, corner.y, 0, 0, SWP_NOSIZE);
}

void ValueSlider::GrabThumb() {
    const HWND trackbar = Item(IDC_SLIDER_TRACKBAR);
    RECT thumb{};
    SendMessageA(trackbar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    POINT centre{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
    POINT onScreen = centre;
    ClientToScreen(trackbar, &onScreen);
    SetCursorPos(onScreen.x, onScreen.y);
    // A press on the thumb as the trackbar knows it from a real click: it captures the mouse and drags the
    // thumb with every move that follows, whether or not a button is held.
    SendMessageA(trackbar, WM_LBUTTONDOWN, 0, MAKELPARAM(centre.x, centre.y));
}

void ValueSlider::TakeTrackbarValue() {
    const auto position =
        static_cast<std::int32_t>(SendMessageA(Item(IDC_SLIDER_TRACKBAR), TBM_GETPOS, 0, 0));
    field_ = InvertedTrackbarPosition(position, minimum_, maximum_);
    moved_ = moved_ || field_ != atOpening_;
    SetDlgItemTextA(Parent(), boxId_, std::to_string(field_).c_str());
}

INT_PTR ValueSlider::OnMessage(UINT message, WPARAM, LPARAM lParam, bool& handled) {
    if (message == kGrabThumb) {
        GrabThumb();
        handled = true;
        return TRUE;
    }
    if (message != WM_NOTIFY)
        return FALSE;
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (!header || header->idFrom != IDC_SLIDER_TRACKBAR)
        return FALSE;
    switch (header->code) {
        case NM_CUSTOMDRAW:
            // The trackbar paints after every move of its thumb, by mouse or key: the one place that sees
            // them all.
            TakeTrackbarValue();
            SetMessageResult(CDRF_DODEFAULT);
            handled = true;
            return TRUE;
        case NM_RELEASEDCAPTURE:
            // The click that lets the thumb go ends the popup.
            EndDialog(IDOK);
            handled = true;
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace tagmora
