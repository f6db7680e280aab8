#pragma once
// Move-only owners for GDI objects and device contexts, and scope guards that undo a selection or a
// state change. A primitive that uses them leaves the device context exactly as it found it.

#include <windows.h>

#include <utility>

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

// Owns one HPEN, HBRUSH, HFONT, HBITMAP or HRGN and deletes it. Delete only after it is no longer
// selected: declare the owner before the ScopedSelection that selects it.
template <typename Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    ~GdiObject() { Reset(); }
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Reset(Handle handle = nullptr) {
        if (handle_) DeleteObject(handle_);
        handle_ = handle;
    }
    Handle Release() { return std::exchange(handle_, nullptr); }

private:
    Handle handle_ = nullptr;
};

using Pen = GdiObject<HPEN>;
using Brush = GdiObject<HBRUSH>;
using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;

// Selects an object into a device context and selects the previous one back when it goes out of scope.
class ScopedSelection {
public:
    ScopedSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    ~ScopedSelection() {
        if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
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
        if (saved_) RestoreDC(dc_, saved_);
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

// A memory device context (CreateCompatibleDC), deleted when it goes out of scope.
class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDC() {
        if (dc_) DeleteDC(dc_);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

// GetDC / ReleaseDC of a window.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
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

// An owned device context from CreateDC (a printer's, say), deleted with DeleteDC.
class OwnedDC {
public:
    OwnedDC() = default;
    explicit OwnedDC(HDC dc) : dc_(dc) {}
    ~OwnedDC() { Reset(); }
    OwnedDC(OwnedDC&& other) noexcept : dc_(std::exchange(other.dc_, nullptr)) {}
    OwnedDC& operator=(OwnedDC&& other) noexcept {
        if (this != &other) {
            Reset();
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }
    OwnedDC(const OwnedDC&) = delete;
    OwnedDC& operator=(const OwnedDC&) = delete;
    HDC Get() const { return dc_; }
    void Reset(HDC dc = nullptr) {
        if (dc_) DeleteDC(dc_);
        dc_ = dc;
    }

private:
    HDC dc_ = nullptr;
};

}  // namespace tagmora
