#pragma once
// Test helpers for pixel checks on real GDI: a memory device context drawing into a 32-bit top-down DIB
// section whose pixels the test reads back, and a writer for small .bmp files.

#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "model/label_sheet.h"
#include "render/device_rect.h"
#include "win/gdi.h"

namespace tagmora::testing {

class DibSurface {
  public:
    DibSurface(int width, int height, Colour background = 0x00FFFFFF) : width_(width), height_(height) {
        dc_ = CreateCompatibleDC(nullptr);
        BITMAPINFO info = TopDownBitmapInfo(width, height);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
        Fill(background);
    }
    ~DibSurface() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;

    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }

    void Fill(Colour colour) {
        GdiFlush();
        for (int i = 0; i < width_ * height_; ++i)
            bits_[i] = ToPixel(colour);
    }

    // 0x00BBGGRR, as GDI's colours.
    Colour Pixel(int x, int y) const {
        GdiFlush();
        const std::uint32_t p = bits_[y * width_ + x];
        return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
    }

    // Pixels inside the rectangle (clipped to the surface) that differ from / equal the colour.
    int CountOther(const DeviceRect& r, Colour colour) const { return Count(r, colour, false); }
    int CountEqual(const DeviceRect& r, Colour colour) const { return Count(r, colour, true); }

    // The smallest rectangle holding every pixel of the region that differs from the colour; empty if none.
    DeviceRect BoundsOfOther(const DeviceRect& r, Colour colour) const {
        DeviceRect bounds{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
        for (int y = std::max(0, r.top); y < std::min(height_, r.bottom); ++y) {
            for (int x = std::max(0, r.left); x < std::min(width_, r.right); ++x) {
                if (Pixel(x, y) == colour)
                    continue;
                bounds.left = std::min(bounds.left, x);
                bounds.top = std::min(bounds.top, y);
                bounds.right = std::max(bounds.right, x + 1);
                bounds.bottom = std::max(bounds.bottom, y + 1);
            }
        }
        return bounds.left == INT32_MAX ? DeviceRect{} : bounds;
    }

    DeviceRect Whole() const { return {0, 0, width_, height_}; }

    bool SameAs(const DibSurface& other) const {
        GdiFlush();
        if (width_ != other.width_ || height_ != other.height_)
            return false;
        for (int i = 0; i < width_ * height_; ++i) {
            if (bits_[i] != other.bits_[i])
                return false;
        }
        return true;
    }

  private:
    static std::uint32_t ToPixel(Colour c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }
    int Count(const DeviceRect& r, Colour colour, bool equal) const {
        int n = 0;
        for (int y = std::max(0, r.top); y < std::min(height_, r.bottom); ++y) {
            for (int x = std::max(0, r.left); x < std::min(width_, r.right); ++x) {
                if ((Pixel(x, y) == colour) == equal)
                    ++n;
            }
        }
        return n;
    }

    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    std::uint32_t* bits_ = nullptr;
};

// A 24-bit bottom-up .bmp file of the given pixels (row by row from the top, 0x00BBGGRR).
inline std::string BitmapFileBytes(int width, int height, const std::vector<Colour>& pixels) {
    const int rowBytes = (width * 3 + 3) & ~3;
    const std::uint32_t imageBytes = static_cast<std::uint32_t>(rowBytes * height);
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + imageBytes;
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = imageBytes;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    for (int y = height - 1; y >= 0; --y) {
        std::string row(static_cast<std::size_t>(rowBytes), '\0');
        for (int x = 0; x < width; ++x) {
            const Colour c = pixels[static_cast<std::size_t>(y * width + x)];
            row[static_cast<std::size_t>(x * 3)] = static_cast<char>((c >> 16) & 0xFF);
            row[static_cast<std::size_t>(x * 3 + 1)] = static_cast<char>((c >> 8) & 0xFF);
            row[static_cast<std::size_t>(x * 3 + 2)] = static_cast<char>(c & 0xFF);
        }
        bytes += row;
    }
    return bytes;
}

}  // namespace tagmora::testing
