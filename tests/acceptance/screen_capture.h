#pragma once
// What is on the screen in a rectangle, as a person sees it: copied from the screen, read pixel by
// pixel, and saved as a PNG picture for a person to look at.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tagmora::acceptance {

class ScreenCapture {
  public:
    explicit ScreenCapture(const RECT& screenArea);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // The colour at a screen point inside the captured area (0x00BBGGRR).
    COLORREF At(POINT screenPoint) const;
    bool SamePixelsAs(const ScreenCapture& other) const { return pixels_ == other.pixels_; }
    bool SavePng(const std::string& path) const;

  private:
    RECT area_;
    int width_;
    int height_;
    std::vector<std::uint32_t> pixels_;  // top-down rows, 0x00RRGGBB
};

// Within a few units on every channel: a screen of another colour depth may move a colour slightly.
bool NearColour(COLORREF actual, COLORREF expected, int tolerance = 3);

}  // namespace tagmora::acceptance
