#pragma once
// One move-only owner for every kind of platform handle the program holds: GDI objects, device contexts,
// kernel files, global memory and COM references. A traits type says what an empty handle is and how a
// handle is given back; the owner gives it back exactly once.

#include <unknwn.h>
#include <windows.h>

#include <utility>

namespace tagmora {

template <typename Traits>
class UniqueHandle {
  public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(Traits::IsValid(handle) ? handle : Traits::Empty()) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Traits::Empty())) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, Traits::Empty());
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle Get() const { return handle_; }
    bool Valid() const { return Traits::IsValid(handle_); }
    explicit operator bool() const { return Valid(); }
    // Gives back the handle held (if any) and holds the new one.
    void Reset(Handle handle = Traits::Empty()) {
        const Handle old = std::exchange(handle_, Traits::IsValid(handle) ? handle : Traits::Empty());
        if (Traits::IsValid(old))
            Traits::Close(old);
    }
    // The caller takes over the handle.
    Handle Release() { return std::exchange(handle_, Traits::Empty()); }

  protected:
    Handle handle_ = Traits::Empty();
};

// Handles whose failure value is null, given back by one platform function.
template <typename H, auto CloseFunction>
struct NullableHandleTraits {
    using Handle = H;
    static Handle Empty() { return nullptr; }
    static bool IsValid(Handle handle) { return handle != nullptr; }
    static void Close(Handle handle) { CloseFunction(handle); }
};

// Pens, brushes, fonts, bitmaps and regions. Delete only after it is no longer selected: declare the
// owner before the ScopedSelection that selects it.
template <typename H>
using GdiObjectTraits = NullableHandleTraits<H, DeleteObject>;
// Device contexts from CreateDC or CreateCompatibleDC.
using DeviceContextTraits = NullableHandleTraits<HDC, DeleteDC>;
// Global memory blocks (GlobalAlloc, the print dialog's device mode and names).
using GlobalMemoryTraits = NullableHandleTraits<HGLOBAL, GlobalFree>;

// Kernel handles from CreateFileA, whose failure value is INVALID_HANDLE_VALUE rather than null.
struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle Empty() { return INVALID_HANDLE_VALUE; }
    static bool IsValid(Handle handle) { return handle != INVALID_HANDLE_VALUE && handle != nullptr; }
    static void Close(Handle handle) { CloseHandle(handle); }
};

// One counted reference to a COM interface.
template <typename Interface>
struct ComReferenceTraits {
    using Handle = Interface*;
    static Handle Empty() { return nullptr; }
    static bool IsValid(Handle handle) { return handle != nullptr; }
    static void Close(Handle handle) { handle->Release(); }
};

template <typename H>
using GdiObject = UniqueHandle<GdiObjectTraits<H>>;
using Pen = GdiObject<HPEN>;
using Brush = GdiObject<HBRUSH>;
using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;
using OwnedDC = UniqueHandle<DeviceContextTraits>;
using GlobalMemory = UniqueHandle<GlobalMemoryTraits>;

class FileHandle : public UniqueHandle<FileHandleTraits> {
  public:
    using UniqueHandle::UniqueHandle;
    // False when closing failed: for a written file, the last data may not have reached the disk.
    bool Close() {
        if (!Valid())
            return true;
        return CloseHandle(Release()) != FALSE;
    }
};

template <typename Interface>
class ComReference : public UniqueHandle<ComReferenceTraits<Interface>> {
  public:
    using UniqueHandle<ComReferenceTraits<Interface>>::UniqueHandle;
    // For functions that hand back a new reference through an out parameter; the old one is released.
    Interface** Out() {
        this->Reset();
        return &this->handle_;
    }
    Interface* operator->() const { return this->Get(); }
};

}  // namespace tagmora
