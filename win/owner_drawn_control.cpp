#include "win/owner_drawn_control.h"

#include <commctrl.h>

#include "win/dialog.h"

namespace tagmora {
namespace {

constexpr UINT_PTR kSubclassId = 0x1B7;

}  // namespace

OwnerDrawnControl::~OwnerDrawnControl() {
    if (control_)
        RemoveWindowSubclass(control_, &SubclassProcedure, kSubclassId);
}

bool OwnerDrawnControl::Subclass(HWND control) {
    if (!control || control_ ||
        !SetWindowSubclass(control, &SubclassProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
        return false;
    }
    control_ = control;
    return true;
}

LRESULT OwnerDrawnControl::OnControlMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultHandling(message, wParam, lParam);
}

LRESULT OwnerDrawnControl::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefSubclassProc(control_, message, wParam, lParam);
}

LRESULT CALLBACK OwnerDrawnControl::SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                                      UINT_PTR subclassId, DWORD_PTR self) {
    auto* control = reinterpret_cast<OwnerDrawnControl*>(self);
    switch (message) {
        case kReflectedDrawItem:
            control->OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_NCDESTROY:
            RemoveWindowSubclass(window, &SubclassProcedure, subclassId);
            control->control_ = nullptr;
            return DefSubclassProc(window, message, wParam, lParam);
        default:
            return control->OnControlMessage(message, wParam, lParam);
    }
}

}  // namespace tagmora
