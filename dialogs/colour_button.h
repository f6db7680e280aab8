#pragma once
// An owner-drawn button of the Setup Dialog that shows a colour: a swatch inside a 3-pixel black frame,
// painted through an off-screen buffer. It shows whatever the colour it points at holds when it paints.

#include <windows.h>

#include "model/colour.h"
#include "render/canvas.h"
#include "win/owner_drawn_control.h"

namespace tagmora {

class ColourButton : public OwnerDrawnControl {
  public:
    // Subclasses the dialog's owner-drawn button; the colour and the canvas must outlive the button.
    void Attach(HWND dialog, int controlId, const Colour& colour, Canvas& canvas);
    // Paints the swatch now, as after a change of colour.
    void Draw() const;

  protected:
    // Every request (a paint, focus, a press) shows the same swatch; the caption is not drawn.
    void OnDrawItem(const DRAWITEMSTRUCT&) override { Draw(); }

  private:
    const Colour* colour_ = nullptr;
    Canvas* canvas_ = nullptr;
};

}  // namespace tagmora
