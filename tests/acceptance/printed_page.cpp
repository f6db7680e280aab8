#include "printed_page.h"

#include <winspool.h>

// GDI+'s headers use the COM declarations without including them.
// clang-format off
#include <objidl.h>
#include <gdiplus.h>
// clang-format on

namespace tagmora::acceptance {

PrinterPage DefaultPrinterPage() {
    PrinterPage page;
    char name[512] = {};
    DWORD size = sizeof name;
    if (!GetDefaultPrinterA(name, &size))
        return page;
    HDC printer = CreateDCA("WINSPOOL", name, nullptr, nullptr);
    if (!printer)
        return page;
    page.printerName = name;
    page.horizontalResolution = GetDeviceCaps(printer, HORZRES);
    page.verticalResolution = GetDeviceCaps(printer, VERTRES);
    page.physicalWidth = GetDeviceCaps(printer, PHYSICALWIDTH);
    page.physicalHeight = GetDeviceCaps(printer, PHYSICALHEIGHT);
    page.offsetX = GetDeviceCaps(printer, PHYSICALOFFSETX);
    page.offsetY = GetDeviceCaps(printer, PHYSICALOFFSETY);
    DeleteDC(printer);
    return page;
}

PagePicture::PagePicture(const std::string& pngPath) {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok)
        return;
    {
        const std::wstring widePath(pngPath.begin(), pngPath.end());
        Gdiplus::Bitmap picture(widePath.c_str());
        const int width = static_cast<int>(picture.GetWidth());
        const int height = static_cast<int>(picture.GetHeight());
        Gdiplus::BitmapData data{};
        Gdiplus::Rect whole(0, 0, width, height);
        if (picture.GetLastStatus() == Gdiplus::Ok && width > 0 && height > 0 &&
            picture.LockBits(&whole, Gdiplus::ImageLockModeRead, PixelFormat32bppRGB, &data) == Gdiplus::Ok) {
            width_ = width;
            height_ = height;
            pixels_.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
            for (int y = 0; y < height; ++y) {
                const auto* row = reinterpret_cast<const std::uint32_t*>(
                    static_cast<const BYTE*>(data.Scan0) + static_cast<std::ptrdiff_t>(y) * data.Stride);
                for (int x = 0; x < width; ++x)
                    pixels_[static_cast<std::size_t>(y) * width + x] = row[x] & 0x00FFFFFFu;
            }
            picture.UnlockBits(&data);
        }
    }
    Gdiplus::GdiplusShutdown(token);
}

COLORREF PagePicture::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return CLR_INVALID;
    const std::uint32_t rgb = pixels_[static_cast<std::size_t>(y) * width_ + x];
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

}  // namespace tagmora::acceptance
