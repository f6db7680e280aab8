#include "dialogs/colour_button.h"

#include <commctrl.h>

#include "render/offscreen_buffer.h"
#include "win/dialog.h"

namespace tagmora {
namespace {

constexpr Colour kFrameBlack = 0x00000000;
constexpr int kFrameWidth = 3;

}  // namespace

ColourButton::~ColourButton() {
    if (control_)
        RemoveWindowSubclass(control_, &SubclassProcedure, 0);
}

void ColourButton::Attach(HWND dialog, int controlId, const Colour& colour, Canvas& canvas) {
    colour_ = &colour;
    canvas_ = &canvas;
    const HWND control = GetDlgItem(dialog, controlId);
    if (control && SetWindowSubclass(control, &SubclassProcedure, 0, reinterpret_cast<DWORD_PTR>(this)))
        control_ = control;
}

void ColourButton::Draw() const {
    if (!control_)
        return;
    OffscreenBuffer buffer(control_);
    ScopedCanvasTarget target(*canvas_, buffer.DeviceContext());
    const RECT& client = buffer.ClientRect();
    const DeviceRect whole{client.left, client.top, client.right, client.bottom};
    canvas_->FilledRectangle(whole, kFrameBlack);
    canvas_->FilledRectangle(whole.Shrunk(kFrameWidth), *colour_);
}

LRESULT CALLBACK ColourButton::SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                                 UINT_PTR subclassId, DWORD_PTR self) {
    auto* button = reinterpret_cast<ColourButton*>(self);
    switch (message) {
        case kReflectedDrawItem:
            // Every request (a paint, focus, a press) shows the same swatch; the caption is not drawn.
            button->Draw();
            return TRUE;
        case WM_NCDESTROY:
            RemoveWindowSubclass(window, &SubclassProcedure, subclassId);
            button->control_ = nullptr;
            break;
        default:
            break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace tagmora
