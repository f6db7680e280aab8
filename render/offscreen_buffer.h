#pragma once
// A memory bitmap the size of a window's client area, through which the window is painted in one block
// copy so that it does not flicker.

#include <windows.h>

#include "win/gdi.h"

namespace tagmora {

class OffscreenBuffer {
  public:
    // Its content starts undefined: the user paints every pixel. A window without a client area gives a
    // buffer without a bitmap, which copies nothing.
    explicit OffscreenBuffer(HWND window);
    // Copies the buffer to the window, then releases everything.
    ~OffscreenBuffer();
    OffscreenBuffer(const OffscreenBuffer&) = delete;
    OffscreenBuffer& operator=(const OffscreenBuffer&) = delete;

    HDC DeviceContext() const { return memoryDC_.Get(); }
    const RECT& ClientRect() const { return client_; }
    // BitBlt of the whole bitmap to the window at (0, 0).
    void CopyToWindow() const;

  private:
    // Declared in the order of creation; destroyed in reverse, so the bitmap is selected out (and the
    // memory device context restored) before it is deleted.
    HWND window_;
    WindowDC windowDC_;
    MemoryDC memoryDC_;
    RECT client_;
    Bitmap bitmap_;
    ScopedSavedState savedState_;
    ScopedSelection bitmapSelection_;
};

}  // namespace tagmora
