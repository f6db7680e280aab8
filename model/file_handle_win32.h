#pragma once
// Owns one kernel handle from CreateFileA and closes it once; the handle-owning twin of the GDI wrappers.

#include <windows.h>

#include <utility>

namespace tagmora {

class FileHandle {
public:
    explicit FileHandle(HANDLE handle = INVALID_HANDLE_VALUE) : handle_(handle) {}
    ~FileHandle() { Close(); }
    FileHandle(FileHandle&& other) noexcept : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
    FileHandle& operator=(FileHandle&& other) noexcept {
        if (this != &other) {
            Close();
            handle_ = std::exchange(other.handle_, INVALID_HANDLE_VALUE);
        }
        return *this;
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    HANDLE Get() const { return handle_; }
    // False when closing failed: for a written file, the last data may not have reached the disk.
    bool Close() {
        if (!Valid()) return true;
        const bool closed = CloseHandle(std::exchange(handle_, INVALID_HANDLE_VALUE)) != FALSE;
        return closed;
    }

private:
    HANDLE handle_;
};

}  // namespace tagmora
