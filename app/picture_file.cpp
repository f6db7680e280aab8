#include "app/picture_file.h"

#include <ole2.h>
#include <olectl.h>

#include <utility>

#include "model/file_handle_win32.h"

namespace tagmora {
namespace {

// Owns a movable global memory block until a stream takes it over.
class GlobalBlock {
  public:
    GlobalBlock() = default;
    ~GlobalBlock() { Free(); }
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;
    HGLOBAL Get() const { return block_; }
    HGLOBAL Release() { return std::exchange(block_, nullptr); }
    void Allocate(SIZE_T size) {
        Free();
        block_ = GlobalAlloc(GMEM_MOVEABLE, size);
    }

  private:
    void Free() {
        if (block_)
            GlobalFree(std::exchange(block_, nullptr));
    }
    HGLOBAL block_ = nullptr;
};

// Releases one COM interface.
template <typename Interface>
class ComReference {
  public:
    ComReference() = default;
    ~ComReference() {
        if (pointer_)
            pointer_->Release();
    }
    ComReference(const ComReference&) = delete;
    ComReference& operator=(const ComReference&) = delete;
    Interface** Out() { return &pointer_; }
    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }
    Interface* Get() const { return pointer_; }

  private:
    Interface* pointer_ = nullptr;
};

// The whole file in a movable global block: one read of the whole size (a short read leaves the rest of
// the block for the decoder to judge). Zero size when the file cannot be opened or read.
DWORD ReadWholeFile(const std::string& path, GlobalBlock& block) {
    const FileHandle file(
        CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid())
        return 0;
    const DWORD size = GetFileSize(file.Get(), nullptr);
    if (size == INVALID_FILE_SIZE || size == 0)
        return 0;
    block.Allocate(size);
    void* bytes = block.Get() ? GlobalLock(block.Get()) : nullptr;
    if (!bytes)
        return 0;
    DWORD read = 0;
    const BOOL ok = ReadFile(file.Get(), bytes, size, &read, nullptr);
    GlobalUnlock(block.Get());
    return ok ? size : 0;
}

}  // namespace

std::optional<LoadedPicture> LoadPictureFile(const std::string& path) {
    GlobalBlock block;
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
