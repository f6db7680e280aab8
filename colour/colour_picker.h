#pragma once
// "Color Picker": one colour shown and changed in two panes at once, an RGB cube whose three axis markers
// are dragged and an HSB wheel with a brightness strip, and in six number boxes with spin arrows. Every
// change in one of them is carried at once to all the others; "Old Color" shows the colour it opened with
// and "New Color" the present one.
//
// Used as: ColourPicker picker(colour, Window()); if (picker.RunModal() == IDOK) colour = picker.Result();

#include <windows.h>

#include <memory>
#include <optional>

#include "colour/picker_state.h"
#include "colour/picker_surfaces.h"
#include "model/colour.h"
#include "win/dialog.h"
#include "win/handle.h"

namespace tagmora {

class ColourPicker : public Dialog {
  public:
    ColourPicker(Colour colour, HWND parent);
    // The last colour shown as "New Color", whichever way the dialog ended.
    Colour Result() const { return state_.NewColour(); }

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int controlId, int notification, HWND control) override;
    bool OnPaint() override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

  private:
    void OnNumberTyped(PickerComponent component);
    void OnLeftButtonDown(DevicePoint point);
    void OnMouseMove(DevicePoint point);
    void OnLeftButtonUp();
    void OnSystemColourChange();

    // Shows the present colour everywhere: both panes, "New Color" and the six boxes, except the box the
    // user is typing in, whose text already says it.
    void ShowColour(std::optional<PickerComponent> typedInto = std::nullopt);
    void SetNumberBoxes(std::optional<PickerComponent> except);
    void DrawHsbPane(HDC dc);
    void DrawRgbPane(HDC dc);
    DeviceRect ClientRectOf(int controlId) const;

    PickerState state_;
    // Edit changes before initialisation has finished are the dialog's own, not the user's; changes
    // while the boxes are being rewritten read back the values just written.
    bool initialised_ = false;
    bool updating_ = false;

    OwnedDC memory_;
    PickerPicture wheel_;
    PickerPicture cube_;
    std::unique_ptr<BrightnessStrip> strip_;
    // The hue and saturation the strip's colours were made for.
    std::optional<HueSaturation> stripColours_;
    DeviceRect oldSwatch_;
    DeviceRect newSwatch_;
};

}  // namespace tagmora
