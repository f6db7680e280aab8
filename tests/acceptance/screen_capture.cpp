#include "screen_capture.h"

// GDI+'s headers use the COM declarations without including them.
// clang-format off
#include <objidl.h>
#include <gdiplus.h>
// clang-format on

#include <cstdlib>

#include "win/gdi.h"

namespace tagmora::acceptance {
namespace {

bool PngEncoder(CLSID& encoder) {
    UINT count = 0;
    UINT bytes = 0;
    Gdiplus::GetImageEncodersSize(&count, &bytes);
    if (bytes == 0)
        return false;
    std::vector<unsigned char> buffer(bytes);
    auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::GetImageEncoders(count, bytes, encoders) != Gdiplus::Ok)
        return false;
    for (UINT i = 0; i < count; ++i) {
        if (std::wstring(encoders[i].MimeType) == L"image/png") {
            encoder = encoders[i].Clsid;
            return true;
        }
    }
    return false;
}

}  // namespace

ScreenCapture::ScreenCapture(const RECT& screenArea)
    : area_(screenArea),
      width_(screenArea.right - screenArea.left),
      height_(screenArea.bottom - screenArea.top) {
    if (width_ <= 0 || height_ <= 0) {
        width_ = height_ = 0;
        return;
    }
    pixels_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
    BITMAPINFO info = TopDownBitmapInfo(width_, height_);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width_, height_, screen, area_.left, area_.top, SRCCOPY | CAPTUREBLT);
    GdiFlush();
    const auto* source = static_cast<const std::uint32_t*>(bits);
    for (std::size_t i = 0; i < pixels_.size(); ++i)
        pixels_[i] = source[i] & 0x00FFFFFFu;
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

COLORREF ScreenCapture::At(POINT screenPoint) const {
    const int x = screenPoint.x - area_.left;
    const int y = screenPoint.y - area_.top;
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return CLR_INVALID;
    const std::uint32_t rgb = pixels_[static_cast<std::size_t>(y) * width_ + x];
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

bool ScreenCapture::SavePng(const std::string& path) const {
    if (pixels_.empty())
        return false;
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok)
        return false;
    bool saved = false;
    {
        std::vector<std::uint32_t> opaque(pixels_);
        for (std::uint32_t& pixel : opaque)
            pixel |= 0xFF000000u;
        Gdiplus::Bitmap picture(width_, height_, width_ * 4, PixelFormat32bppARGB,
                                reinterpret_cast<BYTE*>(opaque.data()));
        CLSID png{};
        const std::wstring widePath(path.begin(), path.end());
        saved = PngEncoder(png) && picture.Save(widePath.c_str(), &png, nullptr) == Gdiplus::Ok;
    }
    Gdiplus::GdiplusShutdown(token);
    return saved;
}

bool NearColour(COLORREF actual, COLORREF expected, int tolerance) {
    if (actual == CLR_INVALID)
        return false;
    return std::abs(GetRValue(actual) - GetRValue(expected)) <= tolerance &&
           std::abs(GetGValue(actual) - GetGValue(expected)) <= tolerance &&
           std::abs(GetBValue(actual) - GetBValue(expected)) <= tolerance;
}

}  // namespace tagmora::acceptance
