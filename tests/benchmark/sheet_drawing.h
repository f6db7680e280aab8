#pragma once
// What the drawing benchmark and the sheet picture tool share: a 32-bit DIB section to draw on, a sheet
// full of varied addresses, and the two ways the program draws a whole sheet (the preview's paint and the
// printed page).

#include <windows.h>

#include <cstdint>
#include <string>

#include "model/label_sheet.h"
#include "render/canvas.h"
#include "render/sheet_layout.h"
#include "win/gdi.h"

namespace tagmora::bench {

// A memory device context drawing into a top-down DIB section of the given size.
class DibPage {
  public:
    DibPage(int width, int height);
    ~DibPage();
    DibPage(const DibPage&) = delete;
    DibPage& operator=(const DibPage&) = delete;

    bool Valid() const { return bits_ != nullptr; }
    HDC DeviceContext() const { return dc_.Get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // A fingerprint of every pixel, to show that two drawings are the same picture.
    std::uint64_t Fingerprint() const;
    // Writes the pixels as a 32-bit .bmp file; false when the file cannot be written.
    bool WriteBitmapFile(const std::string& path) const;

  private:
    int width_;
    int height_;
    OwnedDC dc_;
    Bitmap bitmap_;
    std::uint32_t* bits_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

// The sheet as a user fills it: COLS x ROWS labels with different addresses of two to five lines,
// some with ampersands, every slot given the enabled flag of the pattern.
void FillWithVariedAddresses(LabelSheet& sheet, bool allEnabled);

// The preview's paint: the layout origin in the background colour, a black one-pixel outline on the
// outermost pixels, every shown label in preview mode.
void DrawLikeThePreview(Canvas& canvas, LabelSheet& sheet, int width, int height);

// The printed page: the layout in the page's printable area, every enabled label in print mode, on
// whatever the page holds (white paper).
void DrawLikeThePrintedPage(Canvas& canvas, LabelSheet& sheet, int width, int height);

}  // namespace tagmora::bench
