#pragma once
// A memory bitmap the size of a window's client area, through which the window is painted in one block
// copy so that it does not flicker.

#include <windows.h>

namespace tagmora {

class OffscreenBuffer {
public:
    explicit OffscreenBuffer(HWND window);
    // Copies the buffer to the window, then releases everything.
    ~OffscreenBuffer();
    OffscreenBuffer(const OffscreenBuffer&) = delete;
    OffscreenBuffer& operator=(const OffscreenBuffer&) = delete;

    HDC DeviceContext() const { return memoryDC_; }
    const RECT& ClientRect() const { return client_; }
    // BitBlt of the whole bitmap to the window at (0, 0).
    void CopyToWindow() const;

private:
    HWND window_;
    HDC windowDC_;
    HDC memoryDC_;
    int savedState_;
    HBITMAP bitmap_;
    RECT client_{};
};

}  // namespace tagmora
