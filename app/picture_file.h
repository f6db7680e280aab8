#pragma once
// Decoding a picture file (the JPEG pictures of the buttons) into a bitmap with the platform's OLE
// picture loader.

#include <windows.h>

#include <optional>
#include <string>

#include "win/gdi.h"

namespace tagmora {

struct LoadedPicture {
    Bitmap bitmap;
    int width = 0;
    int height = 0;
};

// The file read whole and decoded; empty when it cannot be opened, read or decoded.
std::optional<LoadedPicture> LoadPictureFile(const std::string& path);

}  // namespace tagmora
