#include "render/picture_file.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "model/file_system.h"
#include "render/bitmap_file_check.h"
#include "win/handle.h"

namespace tagmora {

namespace {

// A bitmap in the pixel format of the one the device context draws on, so that copying it there converts
// nothing: a DIB section like a DIB section (CreateCompatibleBitmap would give the screen's format).
Bitmap CreateLikeTarget(HDC dc, int width, int height) {
    DIBSECTION target{};
    if (GetObject(GetCurrentObject(dc, OBJ_BITMAP), sizeof target, &target) == sizeof target &&
        target.dsBmih.biCompression == BI_RGB && target.dsBm.bmBitsPixel >= 16) {
        BITMAPINFO info = TopDownBitmapInfo(width, height, target.dsBm.bmBitsPixel);
        void* bits = nullptr;
        return Bitmap(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    }
    return Bitmap(CreateCompatibleBitmap(dc, width, height));
}

}  // namespace

bool NamesBitmapFile(const std::string& path) {
    return !path.empty() && path.find("bmp") != std::string::npos;
}

Bitmap LoadBitmapFile(const std::string& path) {
    {
        InputFile file = InputFile::Open(path, nullptr);
        const std::optional<std::uint64_t> size = file.IsOpen() ? file.RegularFileSize() : std::nullopt;
        std::string head(kBitmapHeadBytes, '\0');
        const std::optional<std::size_t> read =
            size ? file.Read(head.data(), head.size(), nullptr) : std::nullopt;
        if (!read || !IsWholeBitmapFile(std::string_view(head).substr(0, *read), *size))
            return Bitmap();
    }
    return Bitmap(static_cast<HBITMAP>(
        LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
}

HBITMAP PictureCache::Picture(const std::string& path) {
    if (fileChecked_ && picture_ && path == path_)
        return picture_.Get();
    WIN32_FILE_ATTRIBUTE_DATA attributes{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &attributes))
        return nullptr;
    Stamp stamp;
    stamp.size = (std::uint64_t{attributes.nFileSizeHigh} << 32) | attributes.nFileSizeLow;
    stamp.lastWrite = (std::uint64_t{attributes.ftLastWriteTime.dwHighDateTime} << 32) |
                      attributes.ftLastWriteTime.dwLowDateTime;
    if (picture_ && path == path_ && stamp == stamp_) {
        fileChecked_ = true;
        return picture_.Get();
    }

    DropStretched();
    picture_.Reset();
    path_ = path;
    stamp_ = stamp;
    picture_ = LoadBitmapFile(path);
    fileChecked_ = static_cast<bool>(picture_);
    return picture_.Get();
}

bool PictureCache::StretchInto(HDC dc, int left, int top, int width, int height, const std::string& path,
                               Handover handover) {
    HBITMAP picture = Picture(path);
    BITMAP size{};
    if (!picture || !GetObject(picture, sizeof size, &size))
        return false;
    // Halftoning aligns its pattern to the brush origin, so a copy made elsewhere could differ.
    if (handover == Handover::KeepStretched && width > 0 && height > 0 && GetStretchBltMode(dc) != HALFTONE &&
        StretchKept(dc, picture, size, left, top, width, height)) {
        return true;
    }
    if (handover == Handover::Reduced) {
        picture = ReducedPicture(picture, size, width, height);
        GetObject(picture, sizeof size, &size);
    }
    const MemoryDC source(dc);
    const ScopedSelection selection(source.Get(), picture);
    StretchBlt(dc, left, top, width, height, source.Get(), 0, 0, size.bmWidth, size.bmHeight, SRCCOPY);
    return true;
}

bool PictureCache::StretchKept(HDC dc, HBITMAP picture, const BITMAP& size, int left, int top, int width,
                               int height) {
    BITMAP target{};
    GetObject(GetCurrentObject(dc, OBJ_BITMAP), sizeof target, &target);
    const StretchedKey key{width, height, GetStretchBltMode(dc), target.bmBitsPixel};
    if (!stretchedSource_.Get() || !(key == stretchedKey_)) {
        DropStretched();
        Bitmap copy = CreateLikeTarget(dc, width, height);
        OwnedDC copySource(CreateCompatibleDC(dc));
        if (!copy || !copySource.Get())
            return false;
        {
            const MemoryDC source(dc);
            const ScopedSelection from(source.Get(), picture);
            const ScopedSelection to(copySource.Get(), copy.Get());
            SetStretchBltMode(copySource.Get(), key.mode);
            StretchBlt(copySource.Get(), 0, 0, width, height, source.Get(), 0, 0, size.bmWidth, size.bmHeight,
                       SRCCOPY);
        }
        stretched_ = std::move(copy);
        stretchedSource_ = std::move(copySource);
        SelectObject(stretchedSource_.Get(), stretched_.Get());
        stretchedKey_ = key;
    }
    return BitBlt(dc, left, top, width, height, stretchedSource_.Get(), 0, 0, SRCCOPY) != FALSE;
}

HBITMAP PictureCache::ReducedPicture(HBITMAP picture, const BITMAP& size, int width, int height) {
    if (reduced_)
        return reduced_.Get();
    if (width <= 0 || height <= 0 || (width >= size.bmWidth && height >= size.bmHeight))
        return picture;
    const int reducedWidth = std::min<int>(width, size.bmWidth);
    const int reducedHeight = std::min<int>(height, size.bmHeight);
    BITMAPINFO info = TopDownBitmapInfo(reducedWidth, reducedHeight, 24);
    void* bits = nullptr;
    Bitmap copy(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const MemoryDC source(nullptr);
    const MemoryDC target(nullptr);
    if (!copy || !source.Get() || !target.Get())
        return picture;
    {
        const ScopedSelection from(source.Get(), picture);
        const ScopedSelection to(target.Get(), copy.Get());
        SetStretchBltMode(target.Get(), HALFTONE);
        SetBrushOrgEx(target.Get(), 0, 0, nullptr);
        StretchBlt(target.Get(), 0, 0, reducedWidth, reducedHeight, source.Get(), 0, 0, size.bmWidth,
                   size.bmHeight, SRCCOPY);
    }
    reduced_ = std::move(copy);
    return reduced_.Get();
}

void PictureCache::DropStretched() {
    // Deleting the memory device context releases the bitmap selected into it.
    stretchedSource_.Reset();
    stretched_.Reset();
    reduced_.Reset();
}

void PictureCache::Clear() {
    DropStretched();
    picture_.Reset();
    path_.clear();
    stamp_ = Stamp{};
    fileChecked_ = false;
}

}  // namespace tagmora
