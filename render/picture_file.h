#pragma once
// Bitmap files for the logo: the checks that decide whether a path can be drawn at all, and the one
// picture kept loaded between paints.

#include <windows.h>

#include <cstdint>
#include <string>

#include "render/gdi_objects.h"

namespace tagmora {

// A path worth loading: not empty and holding the letters "bmp" (case-sensitive) somewhere.
bool NamesBitmapFile(const std::string& path);

// LoadImageA of the file as a DIB section at its natural size; empty when it does not load.
Bitmap LoadBitmapFile(const std::string& path);

// The last picture drawn, kept while its file stays the same: the key is the path with the file's size and
// last-write time, read from the file at every use, so a changed logo file shows at the next paint and a
// file that can no longer be opened is not drawn.
class PictureCache {
  public:
    // The picture of the path, loaded now or kept from before; null when the file cannot be opened for
    // reading or does not load.
    HBITMAP Picture(const std::string& path);
    void Clear();

  private:
    struct Stamp {
        std::uint64_t size = 0;
        std::uint64_t lastWrite = 0;
        bool operator==(const Stamp& o) const { return size == o.size && lastWrite == o.lastWrite; }
    };
    std::string path_;
    Stamp stamp_;
    Bitmap picture_;
};

}  // namespace tagmora
