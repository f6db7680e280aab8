#include "app/picture_file.h"

#include <ole2.h>
#include <olectl.h>

#include "win/handle.h"

namespace tagmora {
namespace {

// Button pictures are small JPEG files; anything far larger is not one, and is not read into memory.
constexpr LONGLONG kMaxPictureFileSize = 16 * 1024 * 1024;

// The whole file in a movable global block; the number of bytes actually read, 0 when the file cannot be
// opened or read, is empty, or is too large to be a picture.
DWORD ReadWholeFile(const std::string& path, GlobalMemory& block) {
    const FileHandle file(
        CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid())
        return 0;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart <= 0 || size.QuadPart > kMaxPictureFileSize)
        return 0;
    const auto bytesWanted = static_cast<DWORD>(size.QuadPart);
    block.Reset(GlobalAlloc(GMEM_MOVEABLE, bytesWanted));
    void* bytes = block ? GlobalLock(block.Get()) : nullptr;
    if (!bytes)
        return 0;
    DWORD read = 0;
    const BOOL ok = ReadFile(file.Get(), bytes, bytesWanted, &read, nullptr);
    GlobalUnlock(block.Get());
    // A file that shrank since its size was read yields fewer bytes: the decoder sees only those.
    return ok ? read : 0;
}

}  // namespace

std::optional<LoadedPicture> LoadPictureFile(const std::string& path) {
    GlobalMemory block;
    const DWORD size = ReadWholeFile(path, block);
    if (size == 0)
        return std::nullopt;

    ComReference<IStream> stream;
    if (FAILED(CreateStreamOnHGlobal(block.Get(), TRUE, stream.Out())) || !stream)
        return std::nullopt;
    block.Release();  // the stream frees it now

    ComReference<IPicture> picture;
    if (FAILED(OleLoadPicture(stream.Get(), static_cast<LONG>(size), FALSE, IID_IPicture,
                              reinterpret_cast<void**>(picture.Out()))) ||
        !picture) {
        return std::nullopt;
    }
    OLE_HANDLE handle = 0;
    short type = PICTYPE_NONE;
    if (FAILED(picture->get_Type(&type)) || type != PICTYPE_BITMAP || FAILED(picture->get_Handle(&handle))) {
        return std::nullopt;
    }
    // The picture object owns its bitmap and deletes it on release; keep a copy of our own instead of
    // keeping the whole picture object alive.
    const auto pictureBitmap = reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
    LoadedPicture loaded;
    loaded.bitmap.Reset(static_cast<HBITMAP>(CopyImage(pictureBitmap, IMAGE_BITMAP, 0, 0, 0)));
    if (!loaded.bitmap)
        return std::nullopt;
    BITMAP info{};
    if (!GetObjectA(loaded.bitmap.Get(), sizeof info, &info))
        return std::nullopt;
    loaded.width = info.bmWidth;
    loaded.height = info.bmHeight;
    return loaded;
}

}  // namespace tagmora
