#pragma once
// A dialog's control subclassed so that the owner-draw requests the dialog reflects back to it (see
// Dialog) reach a C++ object that paints it: the picture buttons, the Setup Dialog's colour buttons.

#include <windows.h>

namespace tagmora {

class OwnerDrawnControl {
  public:
    OwnerDrawnControl() = default;
    virtual ~OwnerDrawnControl();
    OwnerDrawnControl(const OwnerDrawnControl&) = delete;
    OwnerDrawnControl& operator=(const OwnerDrawnControl&) = delete;

    // The subclassed control, or null before Subclass succeeded and after the control is gone.
    HWND Control() const { return control_; }

  protected:
    // Takes over the control's messages; false when there is no such control or it cannot be subclassed.
    bool Subclass(HWND control);
    virtual void OnDrawItem(const DRAWITEMSTRUCT& item) = 0;
    // Every other message of the control; by default the control's own handling.
    virtual LRESULT OnControlMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    static LRESULT CALLBACK SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR subclassId, DWORD_PTR self);

    HWND control_ = nullptr;
};

}  // namespace tagmora
