#pragma once
// The Value Slider (dialog 142): a captionless popup over the "»" that opened it, with one vertical
// trackbar whose thumb it grabs at once, so that moving the mouse up or down changes the number without a
// button held. It writes the field and the Setup Dialog's number box on every move, and closes at the next
// click, Enter or Escape, each keeping the value.

#include <windows.h>

#include <cstdint>

#include "win/dialog.h"

namespace tagmora {

class ValueSlider : public Dialog {
  public:
    // The field and the number box (a control of the parent) are kept up to date while the popup is open.
    ValueSlider(std::int32_t& field, std::int32_t minimum, std::int32_t maximum, int boxId, HWND parent);
    // Puts the pointer back where it was when the popup was made: over the "»" that was clicked.
    ~ValueSlider() override;

    // Whether the value ever differed from the field's at opening: a slider moved (or a value out of range
    // put at its nearer end) leaves a whole number, however exact the field was.
    bool Moved() const { return moved_; }

  protected:
    BOOL OnInitDialog() override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

  private:
    void PlaceOverControlUnderPointer();
    void GrabThumb();
    void TakeTrackbarValue();

    std::int32_t& field_;
    std::int32_t minimum_;
    std::int32_t maximum_;
    int boxId_;
    std::int32_t atOpening_;
    bool moved_ = false;
    POINT pointerAtStart_{};
};

}  // namespace tagmora
