#pragma once
// Bitmap files for the logo: the checks that decide whether a path can be drawn at all, and the one
// picture kept loaded between paints.

#include <windows.h>

#include <cstdint>
#include <string>

#include "win/gdi.h"

namespace tagmora {

// A path worth loading: not empty and holding the letters "bmp" (case-sensitive) somewhere.
bool NamesBitmapFile(const std::string& path);

// LoadImageA of the file as a DIB section at its natural size; empty when it does not load, and without
// calling the loader when the file is no ordinary file or its headers do not hold up against its size.
Bitmap LoadBitmapFile(const std::string& path);

// The last picture drawn, kept while its file stays the same: the key is the path with the file's size and
// last-write time, read again at the first use after CheckFileAgain (the Canvas calls it at the start of
// every drawing sequence), so a changed or removed logo file shows at the next paint. Reading the
// attributes is cheap where opening the file is not (under Wine, a millisecond).
class PictureCache {
  public:
    // The picture of the path, kept from before or loaded now; null when the file is missing, cannot be
    // opened for reading or does not load.
    HBITMAP Picture(const std::string& path);
    void CheckFileAgain() { fileChecked_ = false; }

    // How the picture reaches the device.
    enum class Handover {
        // A raster device: the stretched copy is kept for the next label of the same size, which then costs
        // one BitBlt; the same pixels, as nothing in the stretch depends on where the copy lands.
        KeepStretched,
        // A printer, whose driver puts whatever it is handed into the job: the picture reduced, once, to
        // no more pixels than the first box it fills, and stretched from that copy into every box. The
        // boxes of one page differ by a few dots at most, and a job's size no longer follows the file's.
        Reduced,
    };

    // StretchBlt of the picture of the path into the rectangle (with the device context's stretching
    // mode); false, drawing nothing, when there is no picture.
    bool StretchInto(HDC dc, int left, int top, int width, int height, const std::string& path,
                     Handover handover);

    void Clear();

  private:
    struct StretchedKey {
        int width = 0;
        int height = 0;
        int mode = 0;
        int bitsPerPixel = 0;
        bool operator==(const StretchedKey& o) const {
            return width == o.width && height == o.height && mode == o.mode && bitsPerPixel == o.bitsPerPixel;
        }
    };
    bool StretchKept(HDC dc, HBITMAP picture, const BITMAP& size, int left, int top, int width, int height);
    HBITMAP ReducedPicture(HBITMAP picture, const BITMAP& size, int width, int height);

    struct Stamp {
        std::uint64_t size = 0;
        std::uint64_t lastWrite = 0;
        bool operator==(const Stamp& o) const { return size == o.size && lastWrite == o.lastWrite; }
    };
    void DropStretched();

    std::string path_;
    Stamp stamp_;
    bool fileChecked_ = false;
    Bitmap picture_;
    // The stretched copy, selected into its own memory device context for the next BitBlt. The context
    // is deleted before the bitmap.
    StretchedKey stretchedKey_;
    Bitmap stretched_;
    OwnedDC stretchedSource_;
    Bitmap reduced_;
};

}  // namespace tagmora
