#include "colour/picker_surfaces.h"

#include <algorithm>

#include "colour/colour_pictures.h"
#include "win/gdi.h"

namespace tagmora {

namespace {

constexpr int kTableEntries = 256;

RECT ToRect(const DeviceRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

void FillWith(HDC dc, const DeviceRect& r, Colour colour) {
    const Brush brush(CreateSolidBrush(colour));
    const RECT rect = ToRect(r);
    FillRect(dc, &rect, brush.Get());
}

// A one-pixel frame on the rectangle's edge: top and left in one colour, right and bottom in another.
void Frame(HDC dc, const DeviceRect& r, Colour topLeft, Colour bottomRight) {
    FillWith(dc, {r.left, r.top, r.right, r.top + 1}, topLeft);
    FillWith(dc, {r.left, r.top, r.left + 1, r.bottom}, topLeft);
    FillWith(dc, {r.right - 1, r.top, r.right, r.bottom}, bottomRight);
    FillWith(dc, {r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
}

// XOR drawing with a pen and no fill, undone when it goes out of scope.
class InvertingPen {
  public:
    InvertingPen(HDC dc, HPEN pen) : saved_(dc), pen_(dc, pen), brush_(dc, GetStockObject(NULL_BRUSH)) {
        SetROP2(dc, R2_XORPEN);
    }

  private:
    ScopedSavedState saved_;
    ScopedSelection pen_;
    ScopedSelection brush_;
};

}  // namespace

bool PickerPicture::Load(int resourceId) {
    bitmap_.Reset(static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId),
                                                  IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    width_ = height_ = 0;
    DIBSECTION section{};
    if (!bitmap_ || GetObjectA(bitmap_.Get(), sizeof section, &section) != sizeof section) {
        bitmap_.Reset();
        return false;
    }
    width_ = section.dsBm.bmWidth;
    height_ = section.dsBm.bmHeight;
    // The pictures are stored with 24 bits a pixel; their light grey takes the dialog's own colour.
    if (section.dsBm.bmBitsPixel == 24 && section.dsBm.bmBits) {
        GdiFlush();
        ReplaceColour(static_cast<unsigned char*>(section.dsBm.bmBits), width_, height_,
                      section.dsBm.bmWidthBytes, kLightGrey, GetSysColor(COLOR_BTNFACE));
    }
    return true;
}

void PickerPicture::Draw(HDC target, HDC memory, DevicePoint topLeft) const {
    if (!bitmap_)
        return;
    const ScopedSelection picture(memory, bitmap_.Get());
    BitBlt(target, topLeft.x, topLeft.y, width_, height_, memory, 0, 0, SRCCOPY);
}

BrightnessStrip::BrightnessStrip(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
    const int stride = (width_ + 3) & ~3;
    const std::size_t header = sizeof(BITMAPINFOHEADER) + kTableEntries * sizeof(RGBQUAD);
    block_.assign(header + static_cast<std::size_t>(stride) * height_, 0);
    BITMAPINFOHEADER& info = Info()->bmiHeader;
    info.biSize = sizeof info;
    info.biWidth = width_;
    info.biHeight = height_;  // bottom-up
    info.biPlanes = 1;
    info.biBitCount = 8;
    info.biCompression = BI_RGB;
    info.biClrUsed = kTableEntries;
    unsigned char* pixels = block_.data() + header;
    for (int row = 0; row < height_; ++row) {
        rows_.push_back(pixels + static_cast<std::size_t>(stride) * (height_ - 1 - row));
        std::fill_n(rows_.back(), width_, static_cast<unsigned char>(std::min(row, kTableEntries - 1)));
    }
}

BITMAPINFO* BrightnessStrip::Info() const {
    return reinterpret_cast<BITMAPINFO*>(const_cast<unsigned char*>(block_.data()));
}

void BrightnessStrip::SetColours(const std::vector<Rgb>& rowColours) {
    RGBQUAD* table = Info()->bmiColors;
    const int rows = std::min(static_cast<int>(rowColours.size()), kTableEntries);
    for (int row = 0; row < rows; ++row) {
        const Rgb& c = rowColours[static_cast<std::size_t>(row)];
        table[row] = {static_cast<BYTE>(c.blue), static_cast<BYTE>(c.green), static_cast<BYTE>(c.red), 0};
    }
}

void BrightnessStrip::Draw(HDC target, DevicePoint topLeft) const {
    const std::size_t header = sizeof(BITMAPINFOHEADER) + kTableEntries * sizeof(RGBQUAD);
    SetDIBitsToDevice(target, topLeft.x, topLeft.y, static_cast<DWORD>(width_), static_cast<DWORD>(height_),
                      0, 0, 0, static_cast<UINT>(height_), block_.data() + header, Info(), DIB_RGB_COLORS);
}

void DrawHsbMarkers(HDC dc, DevicePoint wheelPoint, const DeviceRect& strip, int stripLine) {
    {
        const InvertingPen pen(dc, static_cast<HPEN>(GetStockObject(WHITE_PEN)));
        Rectangle(dc, wheelPoint.x - 5, wheelPoint.y - 5, wheelPoint.x + 5, wheelPoint.y + 5);
    }
    const Pen bar(CreatePen(PS_SOLID, 2, RGB(255, 255, 255)));
    const InvertingPen pen(dc, bar.Get());
    Rectangle(dc, strip.left - 2, stripLine - 4, strip.right + 2, stripLine + 4);
}

void DrawRgbMarkers(HDC dc, const RgbMarkers& m) {
    {
        const Pen square(CreatePen(PS_SOLID, 1, RGB(255, 255, 255)));
        const InvertingPen pen(dc, square.Get());
        for (const DevicePoint p : {m.red, m.green, m.blue})
            Rectangle(dc, p.x - 5, p.y - 5, p.x + 5, p.y + 5);
    }
    const InvertingPen pen(dc, static_cast<HPEN>(GetStockObject(WHITE_PEN)));
    const auto line = [dc](std::initializer_list<DevicePoint> points) {
        std::vector<POINT> path;
        for (const DevicePoint p : points)
            path.push_back({p.x, p.y});
        Polyline(dc, path.data(), static_cast<int>(path.size()));
    };
    const BoxCorners& c = m.corners;
    line({m.red, c.redGreen, m.green, c.greenBlue, c.redGreenBlue, c.redGreen});
    line({c.redGreenBlue, c.redBlue, m.blue, c.greenBlue});
    line({m.red, c.redBlue});
}

void DrawSwatch(HDC dc, const DeviceRect& rect, Colour colour) {
    FillWith(dc, rect, colour);
    Frame(dc, rect, 0, 0);
    Frame(dc, rect.Shrunk(1), kLightGrey, 0x00808080);
}

}  // namespace tagmora
