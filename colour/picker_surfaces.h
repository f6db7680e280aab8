#pragma once
// What the Colour Picker draws: its two stored pictures with their light grey in the system's button-face
// colour, the brightness strip as an 8-bit bitmap whose colour table carries the colours, the markers,
// and the framed colour swatches. Every function leaves the device context as it found it.

#include <windows.h>

#include <vector>

#include "colour/colour_model.h"
#include "colour/picker_state.h"
#include "render/device_rect.h"
#include "win/handle.h"

namespace tagmora {

// One of the pictures in the program's resources.
class PickerPicture {
  public:
    // Loads the bitmap (again), with every light grey (192, 192, 192) pixel in the present button-face
    // colour; false when the resource cannot be loaded, and the picture is then empty.
    bool Load(int resourceId);
    // A source copy at full size, through the given memory device context.
    void Draw(HDC target, HDC memory, DevicePoint topLeft) const;
    int Width() const { return width_; }
    int Height() const { return height_; }

  private:
    Bitmap bitmap_;
    int width_ = 0;
    int height_ = 0;
};

// An 8-bit bitmap whose pixel row r (from the top) holds the value r, so that recolouring the strip is
// rewriting the colour table: the pixels never change.
class BrightnessStrip {
  public:
    BrightnessStrip(int width, int height);
    // One colour per row, top row first (rows beyond the table's 256 entries are not shown apart).
    void SetColours(const std::vector<Rgb>& rowColours);
    void Draw(HDC target, DevicePoint topLeft) const;

  private:
    BITMAPINFO* Info() const;

    int width_;
    int height_;
    // The header, the 256-entry colour table and the bottom-up pixel rows, in one block.
    std::vector<unsigned char> block_;
    // Each row's pixels, row 0 being the top row on the screen.
    std::vector<unsigned char*> rows_;
};

// The wheel square and the strip bar, inverting what is under them.
void DrawHsbMarkers(HDC dc, DevicePoint wheelPoint, const DeviceRect& strip, int stripLine);
// The three axis squares and the nine edges of the box they span that do not lie on the axes, inverting.
void DrawRgbMarkers(HDC dc, const RgbMarkers& markers);
// The colour with a black frame and, inside it, a light-grey top and left and a grey right and bottom.
void DrawSwatch(HDC dc, const DeviceRect& rect, Colour colour);

}  // namespace tagmora
