#pragma once
// An owner-drawn button of the Setup Dialog that shows a colour: a swatch inside a 3-pixel black frame,
// painted through an off-screen buffer. It shows whatever the colour it points at holds when it paints.

#include <windows.h>

#include "model/colour.h"
#include "render/canvas.h"

namespace tagmora {

class ColourButton {
  public:
    ColourButton() = default;
    ~ColourButton();
    ColourButton(const ColourButton&) = delete;
    ColourButton& operator=(const ColourButton&) = delete;

    // Subclasses the dialog's owner-drawn button; the colour and the canvas must outlive the button.
    void Attach(HWND dialog, int controlId, const Colour& colour, Canvas& canvas);
    // Paints the swatch now, as after a change of colour.
    void Draw() const;

  private:
    static LRESULT CALLBACK SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR subclassId, DWORD_PTR self);

    HWND control_ = nullptr;
    const Colour* colour_ = nullptr;
    Canvas* canvas_ = nullptr;
};

}  // namespace tagmora
