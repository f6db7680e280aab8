#include "render/picture_file.h"

#include <utility>

namespace tagmora {

namespace {

class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (Valid())
            CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }

  private:
    HANDLE handle_;
};

FileHandle OpenForReading(const std::string& path) {
    return FileHandle(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

}  // namespace

bool NamesBitmapFile(const std::string& path) {
    return !path.empty() && path.find("bmp") != std::string::npos;
}

Bitmap LoadBitmapFile(const std::string& path) {
    return Bitmap(static_cast<HBITMAP>(
        LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
}

HBITMAP PictureCache::Picture(const std::string& path) {
    Stamp stamp;
    {
        const FileHandle file = OpenForReading(path);
        if (!file.Valid())
            return nullptr;
        BY_HANDLE_FILE_INFORMATION info{};
        if (!GetFileInformationByHandle(file.Get(), &info))
            return nullptr;
        stamp.size = (std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
        stamp.lastWrite =
            (std::uint64_t{info.ftLastWriteTime.dwHighDateTime} << 32) | info.ftLastWriteTime.dwLowDateTime;
    }
    if (picture_ && path == path_ && stamp == stamp_)
        return picture_.Get();
    picture_ = LoadBitmapFile(path);
    path_ = path;
    stamp_ = stamp;
    return picture_.Get();
}

void PictureCache::Clear() {
    picture_.Reset();
    path_.clear();
    stamp_ = Stamp{};
}

}  // namespace tagmora
