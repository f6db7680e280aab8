#pragma once
// Move-only owners of the few kernel and spooler handles the bench's own Windows tools open.

#include <windows.h>
#include <winspool.h>

#include <utility>

// Owns one handle and releases it with Close(handle) unless it holds the Invalid value.
template <typename Handle, BOOL(WINAPI* Close)(Handle), Handle Invalid>
class BenchHandle {
  public:
    explicit BenchHandle(Handle handle) : handle_(handle) {}
    ~BenchHandle() {
        if (handle_ != Invalid)
            Close(handle_);
    }
    BenchHandle(BenchHandle&& other) noexcept : handle_(std::exchange(other.handle_, Invalid)) {}
    BenchHandle& operator=(BenchHandle&&) = delete;
    BenchHandle(const BenchHandle&) = delete;
    BenchHandle& operator=(const BenchHandle&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Invalid; }

  private:
    Handle handle_;
};

using ModuleHandle = BenchHandle<HMODULE, FreeLibrary, nullptr>;
using PrinterHandle = BenchHandle<HANDLE, ClosePrinter, nullptr>;

// CreateFile reports failure as INVALID_HANDLE_VALUE, which is no constant expression.
class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : handle_(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
    ~FileHandle() {
        if (handle_)
            CloseHandle(handle_);
    }
    FileHandle(FileHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    FileHandle& operator=(FileHandle&&) = delete;
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    HANDLE Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

  private:
    HANDLE handle_;
};

inline PrinterHandle OpenPrinterByName(const wchar_t* name) {
    HANDLE handle = nullptr;
    if (!OpenPrinterW(const_cast<wchar_t*>(name), &handle, nullptr))
        handle = nullptr;
    return PrinterHandle(handle);
}
