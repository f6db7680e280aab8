#pragma once
// What came out of the printer: the default printer's page as the program lays labels out on it, and a
// job's page as the test printer's bench rendered it (a PNG beside the job, one pixel per printer dot).

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "render/device_rect.h"

namespace tagmora::acceptance {

// The default printer's page, from the device context a program gets for it.
struct PrinterPage {
    std::string printerName;       // empty when there is no default printer
    int horizontalResolution = 0;  // HORZRES: the printable area, in dots
    int verticalResolution = 0;    // VERTRES
    int physicalWidth = 0;         // the whole sheet of paper, in dots
    int physicalHeight = 0;
    int offsetX = 0;  // PHYSICALOFFSETX: where the printable area starts on the paper
    int offsetY = 0;

    // The rectangle the print job lays the sheet out on: (0, 0, HORZRES, VERTRES).
    DeviceRect PrintableArea() const { return {0, 0, horizontalResolution, verticalResolution}; }
};

PrinterPage DefaultPrinterPage();

// A rendered page, read back pixel by pixel. Coordinates are those of the paper (printable-area
// coordinates plus the physical offset).
class PagePicture {
  public:
    explicit PagePicture(const std::string& pngPath);

    bool Loaded() const { return !pixels_.empty(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The colour at a pixel (0x00BBGGRR); CLR_INVALID outside the picture.
    COLORREF At(int x, int y) const;
    // How many pixels inside the rectangle (clipped to the picture) satisfy the test.
    template <typename Test>
    int Count(const DeviceRect& area, Test test) const {
        int count = 0;
        for (int y = std::max(0, area.top); y < std::min(height_, area.bottom); ++y) {
            for (int x = std::max(0, area.left); x < std::min(width_, area.right); ++x) {
                if (test(At(x, y)))
                    ++count;
            }
        }
        return count;
    }

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;  // top-down rows, 0x00RRGGBB
};

}  // namespace tagmora::acceptance
