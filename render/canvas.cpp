#include "render/canvas.h"

#include "model/text_helpers.h"
#include "render/colour_blend.h"
#include "win/gdi.h"

namespace tagmora {

namespace {

constexpr const char* kPointTextFace = "Tahoma";

RECT ToRect(const DeviceRect& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

// A one-pixel solid pen and a solid brush of one colour, selected for one shape.
class SolidPaint {
  public:
    SolidPaint(HDC dc, Colour colour)
        : pen_(CreatePen(PS_SOLID, 0, colour)),
          brush_(CreateSolidBrush(colour)),
          penSelection_(dc, pen_.Get()),
          brushSelection_(dc, brush_.Get()) {}

  private:
    Pen pen_;
    Brush brush_;
    ScopedSelection penSelection_;
    ScopedSelection brushSelection_;
};

}  // namespace

void Canvas::FilledRectangle(const DeviceRect& rect, Colour colour) {
    if (!dc_)
        return;
    const SolidPaint paint(dc_, colour);
    Rectangle(dc_, rect.left, rect.top, rect.right, rect.bottom);
}

void Canvas::RoundedFrame(const DeviceRect& rect, int cornerSize, int borderWidth, Colour border,
                          Colour fill) {
    if (!dc_)
        return;
    {
        const SolidPaint paint(dc_, border);
        RoundRect(dc_, rect.left, rect.top, rect.right, rect.bottom, cornerSize, cornerSize);
    }
    const DeviceRect inner = rect.Shrunk(borderWidth);
    const SolidPaint paint(dc_, fill);
    RoundRect(dc_, inner.left, inner.top, inner.right, inner.bottom, cornerSize, cornerSize);
}

void Canvas::RectangleOutline(int left, int top, int right, int bottom, Colour colour) {
    if (!dc_)
        return;
    const Pen pen(CreatePen(PS_SOLID, 1, colour));
    const ScopedSelection selection(dc_, pen.Get());
    POINT previous{};
    MoveToEx(dc_, left, top, &previous);
    LineTo(dc_, right, top);
    LineTo(dc_, right, bottom);
    LineTo(dc_, left, bottom);
    LineTo(dc_, left, top);
    MoveToEx(dc_, previous.x, previous.y, nullptr);
}

void Canvas::PictureFromFile(const DeviceRect& rect, const std::string& bitmapPath) {
    if (!dc_)
        return;
    // A printer driver may stretch at its own resolution; only screens and memory bitmaps reuse a copy.
    const auto handover = Device().technology == DT_RASDISPLAY ? PictureCache::Handover::KeepStretched
                                                               : PictureCache::Handover::Reduced;
    if (!NamesBitmapFile(bitmapPath) ||
        !picture_.StretchInto(dc_, rect.left, rect.top, rect.Width(), rect.Height(), bitmapPath, handover)) {
        FilledRectangle(rect, kMissingLogoGrey);
    }
}

float Canvas::PictureAspect(const std::string& bitmapPath) {
    if (!NamesBitmapFile(bitmapPath))
        return 1.0f;
    const Bitmap picture = LoadBitmapFile(bitmapPath);
    BITMAP size{};
    if (!picture || !GetObject(picture.Get(), sizeof size, &size) || size.bmHeight == 0)
        return 1.0f;
    return static_cast<float>(size.bmWidth) / static_cast<float>(size.bmHeight);
}

float Canvas::LogoAspect(const std::string& bitmapPath) {
    HBITMAP picture = NamesBitmapFile(bitmapPath) ? picture_.Picture(bitmapPath) : nullptr;
    BITMAP size{};
    if (!picture || !GetObject(picture, sizeof size, &size) || size.bmHeight == 0)
        return 1.0f;
    return static_cast<float>(size.bmWidth) / static_cast<float>(size.bmHeight);
}

int Canvas::FittedHeight(const std::string& text, const std::string& faceName, const DeviceRect& rect) {
    const std::vector<std::string> lines = SplitAtCarriageReturns(text);
    return linearTextSearch_ ? FindFittedHeightLinear(dc_, lines, faceName, rect.Width(), rect.Height())
                             : FindFittedHeightFast(dc_, Device(), text, lines, faceName, rect.Width(),
                                                    rect.Height(), textHeights_);
}

void Canvas::FittedText(const std::string& text, const std::string& faceName, const DeviceRect& rect,
                        Colour textColour, Colour backgroundColour, TextAlignment alignment) {
    FittedTexts({{text, faceName, rect, textColour, backgroundColour, alignment}});
}

void Canvas::FittedTexts(std::initializer_list<FittedTextItem> items) {
    if (!dc_)
        return;
    // The colour guard and the font selection undo everything drawing the texts changes.
    const ScopedTextColours colours(dc_, GetTextColor(dc_), GetBkColor(dc_), OPAQUE);
    const HGDIOBJ previousFont = GetCurrentObject(dc_, OBJ_FONT);
    HFONT selected = nullptr;
    for (const FittedTextItem& item : items) {
        if (item.text.empty())
            continue;
        const int height = FittedHeight(item.text, item.faceName, item.rect);
        SetTextColor(dc_, item.textColour);
        SetBkColor(dc_, item.backgroundColour);
        if (HFONT font = fonts_.Get(item.faceName, height, selected)) {
            SelectObject(dc_, font);
            selected = font;
        }
        RECT area = ToRect(item.rect);
        const UINT flags = (item.alignment == TextAlignment::Right ? DT_RIGHT : DT_LEFT) | DT_VCENTER;
        DrawTextA(dc_, item.text.data(), static_cast<int>(item.text.size()), &area, flags);
    }
    if (selected)
        SelectObject(dc_, previousFont);
}

void Canvas::TextAtPoint(int x, int y, int fontHeight, const std::string& text, Colour textColour,
                         Colour backgroundColour) {
    if (!dc_)
        return;
    const ScopedTextColours colours(dc_, textColour, backgroundColour, OPAQUE);
    const ScopedSelection selection(dc_, fonts_.Get(kPointTextFace, fontHeight));
    SIZE extent{};
    GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &extent);
    RECT area{x, y, x + extent.cx, y + extent.cy};
    DrawTextA(dc_, text.data(), static_cast<int>(text.size()), &area, DT_VCENTER);
}

const DeviceDescription& Canvas::Device() {
    if (!device_)
        device_ = ReadDeviceDescription(dc_);
    return *device_;
}

void Canvas::ClearCaches() {
    textHeights_.Clear();
    fonts_.Clear();
    picture_.Clear();
}

}  // namespace tagmora
