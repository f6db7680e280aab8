#include "dialogs/colour_button.h"

#include "render/offscreen_buffer.h"

namespace tagmora {
namespace {

constexpr Colour kFrameBlack = 0x00000000;
constexpr int kFrameWidth = 3;

}  // namespace

void ColourButton::Attach(HWND dialog, int controlId, const Colour& colour, Canvas& canvas) {
    colour_ = &colour;
    canvas_ = &canvas;
    Subclass(GetDlgItem(dialog, controlId));
}

void ColourButton::Draw() const {
    if (!Control())
        return;
    OffscreenBuffer buffer(Control());
    ScopedCanvasTarget target(*canvas_, buffer.DeviceContext());
    const RECT& client = buffer.ClientRect();
    const DeviceRect whole{client.left, client.top, client.right, client.bottom};
    canvas_->FilledRectangle(whole, kFrameBlack);
    canvas_->FilledRectangle(whole.Shrunk(kFrameWidth), *colour_);
}

}  // namespace tagmora
