#include "win/object_window.h"

namespace tagmora {

Placeholder TakePlaceholder(HWND parent, int placeholderId) {
    Placeholder taken;
    const HWND placeholder = GetDlgItem(parent, placeholderId);
    if (!placeholder)
        return taken;
    taken.found = true;
    GetWindowRect(placeholder, &taken.place);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&taken.place), 2);
    GetClientRect(placeholder, &taken.client);
    DestroyWindow(placeholder);
    return taken;
}

HWND CreateObjectWindow(const char* className, WNDPROC procedure, HWND parent, int controlId,
                        const RECT& place, void* object) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA windowClass{};
    if (!GetClassInfoExA(instance, className, &windowClass)) {
        windowClass = {};
        windowClass.cbSize = sizeof windowClass;
        // No CS_DBLCLKS: a quick second click is another click.
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        windowClass.lpszClassName = className;
        if (!RegisterClassExA(&windowClass))
            return nullptr;
    }
    return CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE, place.left, place.top,
                           place.right - place.left, place.bottom - place.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), instance, object);
}

}  // namespace tagmora
