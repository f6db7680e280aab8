#include "win/dialog.h"

#include <algorithm>

namespace tagmora {

INT_PTR Dialog::RunModal() {
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), parent_,
                           &DialogProcedure, reinterpret_cast<LPARAM>(this));
}

void Dialog::EndDialog(INT_PTR result) {
    if (window_)
        ::EndDialog(window_, result);
}

void Dialog::CentreOverOwner() {
    const HWND owner = parent_ ? GetAncestor(parent_, GA_ROOT) : nullptr;
    RECT ownerRect{};
    RECT own{};
    if (!window_ || !owner || !GetWindowRect(owner, &ownerRect) || !GetWindowRect(window_, &own))
        return;
    const LONG width = own.right - own.left;
    const LONG height = own.bottom - own.top;
    LONG x = ownerRect.left + (ownerRect.right - ownerRect.left - width) / 2;
    LONG y = ownerRect.top + (ownerRect.bottom - ownerRect.top - height) / 2;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoA(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        x = std::max(work.left, std::min(x, work.right - width));
        y = std::max(work.top, std::min(y, work.bottom - height));
    }
    SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Dialog::SetMessageResult(LRESULT result) {
    if (window_)
        SetWindowLongPtrA(window_, DWLP_MSGRESULT, result);
}

INT_PTR CALLBACK Dialog::DialogProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->window_ = window;
    } else {
        self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    }
    // Messages before WM_INITDIALOG (WM_SETFONT, the first WM_SIZE) get the default processing.
    if (!self)
        return FALSE;
    const INT_PTR result = self->Dispatch(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        self->OnWindowGone();
    }
    return result;
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog();
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            const int notification = HIWORD(wParam);
            const auto control = reinterpret_cast<HWND>(lParam);
            if (OnCommand(id, notification, control))
                return TRUE;
            if (id == IDOK) {
                OnOK();
                return TRUE;
            }
            if (id == IDCANCEL) {
                OnCancel();
                return TRUE;
            }
            return FALSE;
        }
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (!item || item->CtlType == ODT_MENU || !item->hwndItem)
                return FALSE;
            if (!SendMessageA(item->hwndItem, kReflectedDrawItem, wParam, lParam))
                return FALSE;
            // Whoever sent the request (the control, or a test) reads the result from here.
            SetMessageResult(TRUE);
            return TRUE;
        }
        case WM_TIMER:
            return OnTimer(static_cast<UINT_PTR>(wParam)) ? TRUE : FALSE;
        case WM_PAINT:
            return OnPaint() ? TRUE : FALSE;
        case WM_SIZE:
            OnSize(static_cast<UINT>(wParam), static_cast<short>(LOWORD(lParam)),
                   static_cast<short>(HIWORD(lParam)));
            return FALSE;
        case WM_MOVE:
            OnMove(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
            return FALSE;
        default: {
            bool handled = false;
            const INT_PTR result = OnMessage(message, wParam, lParam, handled);
            return handled ? result : FALSE;
        }
    }
}

}  // namespace tagmora
