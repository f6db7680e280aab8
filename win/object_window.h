#pragma once
// Child windows of the program's own classes (the preview, the About window's scrolling text) that take a
// dialog placeholder's place and hand their messages to a C++ object. The object arrives as lpCreateParams
// at WM_NCCREATE and is kept in the window's user data; it provides HandleMessage(message, wParam, lParam)
// and WindowAttached(window), which hears of its window's creation and, with null, of its end.

#include <windows.h>

namespace tagmora {

struct Placeholder {
    bool found = false;
    RECT place{};   // in the parent's client coordinates
    RECT client{};  // the placeholder's own client rectangle
};

// Reads the parent's control with that id and destroys it, so that a window of ours can take its place.
Placeholder TakePlaceholder(HWND parent, int placeholderId);

// A visible child window of the class (registered on first use) with the rectangle and the control id,
// whose messages go to the object. Null when it cannot be created.
HWND CreateObjectWindow(const char* className, WNDPROC procedure, HWND parent, int controlId,
                        const RECT& place, void* object);

template <typename Object>
LRESULT CALLBACK ObjectWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Object* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<Object*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->WindowAttached(window);
    } else {
        self = reinterpret_cast<Object*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    }
    if (!self)
        return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->WindowAttached(nullptr);
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return self->HandleMessage(message, wParam, lParam);
}

// An object whose window it still owns detaches it before destroying it, so that no message of the
// destruction reaches a half-destroyed object.
inline void DestroyObjectWindow(HWND& window) {
    if (!window)
        return;
    const HWND destroyed = window;
    window = nullptr;
    SetWindowLongPtrA(destroyed, GWLP_USERDATA, 0);
    DestroyWindow(destroyed);
}

}  // namespace tagmora
