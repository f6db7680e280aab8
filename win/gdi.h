#pragma once
// Scope guards that undo a selection or a state change on a device context, and the device contexts a
// window paints on. A primitive that uses them leaves the device context exactly as it found it.

#include <windows.h>

#include "win/handle.h"

namespace tagmora {

// The header of a top-down device-independent bitmap without compression: row 0 is the top row, so a
// pixel's index is y x width + x.
inline BITMAPINFO TopDownBitmapInfo(int width, int height, WORD bitsPerPixel = 32) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = bitsPerPixel;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// Selects an object into a device context and selects the previous one back when it goes out of scope.
class ScopedSelection {
  public:
    ScopedSelection(HDC dc, HGDIOBJ object)
        : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    ~ScopedSelection() {
        if (previous_ && previous_ != HGDI_ERROR)
            SelectObject(dc_, previous_);
    }
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// SaveDC / RestoreDC around a block.
class ScopedSavedState {
  public:
    explicit ScopedSavedState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~ScopedSavedState() {
        if (saved_)
            RestoreDC(dc_, saved_);
    }
    ScopedSavedState(const ScopedSavedState&) = delete;
    ScopedSavedState& operator=(const ScopedSavedState&) = delete;

  private:
    HDC dc_;
    int saved_;
};

// Text and background colours and background mode, restored when it goes out of scope.
class ScopedTextColours {
  public:
    ScopedTextColours(HDC dc, COLORREF text, COLORREF background, int backgroundMode = OPAQUE)
        : dc_(dc),
          text_(SetTextColor(dc, text)),
          background_(SetBkColor(dc, background)),
          mode_(SetBkMode(dc, backgroundMode)) {}
    ~ScopedTextColours() {
        SetTextColor(dc_, text_);
        SetBkColor(dc_, background_);
        SetBkMode(dc_, mode_);
    }
    ScopedTextColours(const ScopedTextColours&) = delete;
    ScopedTextColours& operator=(const ScopedTextColours&) = delete;

  private:
    HDC dc_;
    COLORREF text_;
    COLORREF background_;
    int mode_;
};

// A memory device context compatible with another (CreateCompatibleDC), deleted when it goes out of
// scope.
class MemoryDC : public OwnedDC {
  public:
    explicit MemoryDC(HDC compatibleWith) : OwnedDC(CreateCompatibleDC(compatibleWith)) {}
};

// GetDC / ReleaseDC of a window.
class WindowDC {
  public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// BeginPaint / EndPaint.
class PaintScope {
  public:
    explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    ~PaintScope() { EndPaint(window_, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC Get() const { return dc_; }
    const PAINTSTRUCT& Paint() const { return paint_; }

  private:
    HWND window_;
    HDC dc_;
    PAINTSTRUCT paint_{};
};

}  // namespace tagmora
