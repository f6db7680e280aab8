#pragma once
// The shared drawing object: the device context that drawing goes to and the few shapes, pictures and
// texts the program paints. Every primitive does nothing without a device context, and leaves the
// device context with the pen, brush, font and colours it found.

#include <windows.h>

#include <string>

#include "model/label_sheet.h"
#include "render/device_rect.h"

namespace tagmora {

enum class TextAlignment { Left, Right };

class Canvas {
public:
    void SetDeviceContext(HDC dc) { dc_ = dc; }
    HDC DeviceContext() const { return dc_; }

    void FilledRectangle(const DeviceRect& rect, Colour colour);
    void RoundedFrame(const DeviceRect& rect, int cornerSize, int borderWidth, Colour border, Colour fill);
    void RectangleOutline(int left, int top, int right, int bottom, Colour colour);
    // The bitmap stretched into the rectangle, or a grey box when the path is empty, holds no "bmp",
    // cannot be opened or does not load.
    void PictureFromFile(const DeviceRect& rect, const std::string& bitmapPath);
    // Width / height of the bitmap; 1.0 when it cannot be used.
    static float PictureAspect(const std::string& bitmapPath);
    // The text at the largest font height at which every line fits the rectangle.
    void FittedText(const std::string& text, const std::string& faceName, const DeviceRect& rect, Colour textColour,
                    Colour backgroundColour, TextAlignment alignment);
    void TextAtPoint(int x, int y, int fontHeight, const std::string& text, Colour textColour,
                     Colour backgroundColour);

private:
    HDC dc_ = nullptr;
};

}  // namespace tagmora
