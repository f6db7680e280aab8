#pragma once
// The Colour Picker's two stored pictures (bitmaps 165 and 166), drawn from the picker's own colour
// arithmetic by the picture generator (make_colour_pictures), which checks them before it writes them and
// whose output the build compares with the files in res/. Also the light-grey replacement the picker
// applies to them when it loads them.

#include <string>
#include <vector>

#include "model/colour.h"

namespace tagmora {

// Pixels that the picker shows in the system's button-face colour instead.
constexpr Colour kLightGrey = 0x00C0C0C0;
constexpr Colour kPictureWhite = 0x00FFFFFF;

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Colour> pixels;  // rows from the top, 0x00BBGGRR

    Colour At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Every pixel of the disc shows, at full brightness, exactly the hue and saturation a click on it reads;
// white elsewhere.
Picture DrawHueWheel();
// The three faces of the cube that meet at black, white axis lines, black arrowheads at the axis ends, a
// light-grey outline around the hexagon (so that it takes the dialog's own colour), white elsewhere.
Picture DrawRgbCube();

// What is wrong with a picture, one line per fault; empty when it is what the picker needs.
std::string CheckHueWheel(const Picture& wheel);
std::string CheckRgbCube(const Picture& cube);
// How far, at most, a colour on the wheel or a cube face is from the colour of the pixel under its marker
// (largest difference of one component), as the checks above measure it.
constexpr int kWheelMarkerTolerance = 10;
constexpr int kCubeMarkerTolerance = 10;

// The picture as a 24-bit .bmp file: rows from the bottom, each padded to a multiple of 4 bytes.
std::string BitmapFileBytes(const Picture& picture);

// In rows of 24-bit pixels (blue, green, red), every pixel of exactly the one colour becomes the other.
void ReplaceColour(unsigned char* rows, int width, int height, int stride, Colour from, Colour to);

}  // namespace tagmora
