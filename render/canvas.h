#pragma once
// The shared drawing object: the device context that drawing goes to and the few shapes, pictures and
// texts the program paints. Every primitive does nothing without a device context, and leaves the
// device context with the pen, brush, font, colours and background mode it found.

#include <windows.h>

#include <initializer_list>
#include <optional>
#include <string>

#include "model/colour.h"
#include "render/device_rect.h"
#include "render/fitted_height.h"
#include "render/fitted_text.h"
#include "render/picture_file.h"

namespace tagmora {

enum class TextAlignment { Left, Right };

// One text of FittedTexts; the strings are the caller's and must outlive the call.
struct FittedTextItem {
    const std::string& text;
    const std::string& faceName;
    DeviceRect rect;
    Colour textColour;
    Colour backgroundColour;
    TextAlignment alignment;
};

class Canvas {
  public:
    Canvas() = default;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // Starts a drawing sequence (a paint, a printed page) on the device context.
    void SetDeviceContext(HDC dc) {
        dc_ = dc;
        device_.reset();
        picture_.CheckFileAgain();
    }
    HDC DeviceContext() const { return dc_; }

    // Rectangle with a solid brush and a one-pixel solid pen, both in the colour.
    void FilledRectangle(const DeviceRect& rect, Colour colour);
    // A rounded rectangle in the border colour, and inside it, shrunk by the border width, one in the fill
    // colour; both with corner ellipses of cornerSize by cornerSize.
    void RoundedFrame(const DeviceRect& rect, int cornerSize, int borderWidth, Colour border, Colour fill);
    // Four one-pixel lines from (left, top) round to (left, top).
    void RectangleOutline(int left, int top, int right, int bottom, Colour colour);
    // The bitmap stretched into the rectangle, or a grey box when the path is empty, holds no "bmp",
    // cannot be opened or does not load. The picture is kept between calls; its file is looked at again
    // once per drawing sequence, so a changed logo file shows at the next paint.
    void PictureFromFile(const DeviceRect& rect, const std::string& bitmapPath);
    // Width / height of the bitmap, loaded now and released at once; 1.0 when it cannot be used.
    static float PictureAspect(const std::string& bitmapPath);
    // The same ratio from the picture that PictureFromFile keeps: no loading while the file is unchanged.
    float LogoAspect(const std::string& bitmapPath);
    // The text at the largest font height at which every line fits the rectangle, drawn from the
    // rectangle's top, clipped to it; "&&" shows as one "&". Nothing for an empty text.
    void FittedText(const std::string& text, const std::string& faceName, const DeviceRect& rect,
                    Colour textColour, Colour backgroundColour, TextAlignment alignment);
    // Several fitted texts in order, as FittedText draws each; the previous font and colours come back
    // once, after the last. Selecting a font costs the platform far more than drawing a line of text
    // (under Wine), and a label has three texts.
    void FittedTexts(std::initializer_list<FittedTextItem> items);
    // "Tahoma" of the given height, its cells opaque in the background colour, from (x, y).
    void TextAtPoint(int x, int y, int fontHeight, const std::string& text, Colour textColour,
                     Colour backgroundColour);

    // The height search of FittedText: the fast one (default) or the linear reference, for comparison.
    void UseLinearTextSearch(bool linear) { linearTextSearch_ = linear; }
    // Forgets found text heights, font metrics, kept fonts and the kept logo picture.
    void ClearCaches();

  private:
    const DeviceDescription& Device();
    int FittedHeight(const std::string& text, const std::string& faceName, const DeviceRect& rect);

    HDC dc_ = nullptr;
    // Read at the first fitted text after each SetDeviceContext.
    std::optional<DeviceDescription> device_;
    bool linearTextSearch_ = false;
    FittedHeightCache textHeights_;
    FontCache fonts_;
    PictureCache picture_;
};

// Points a canvas at a device context for one drawing sequence (a paint, a printed page) and leaves it
// without one afterwards, so that nothing draws through a device context that is gone.
class ScopedCanvasTarget {
  public:
    ScopedCanvasTarget(Canvas& canvas, HDC dc) : canvas_(canvas) { canvas_.SetDeviceContext(dc); }
    ~ScopedCanvasTarget() { canvas_.SetDeviceContext(nullptr); }
    ScopedCanvasTarget(const ScopedCanvasTarget&) = delete;
    ScopedCanvasTarget& operator=(const ScopedCanvasTarget&) = delete;

  private:
    Canvas& canvas_;
};

}  // namespace tagmora
