#pragma once
// The spooler and module handles the bench's own Windows tools open, in the program's one handle owner.

#include <windows.h>
#include <winspool.h>

#include "win/handle.h"

struct ModuleTraits {
    using Handle = HMODULE;
    static Handle Empty() { return nullptr; }
    static bool IsValid(Handle handle) { return handle != nullptr; }
    static void Close(Handle handle) { FreeLibrary(handle); }
};

struct PrinterTraits {
    using Handle = HANDLE;
    static Handle Empty() { return nullptr; }
    static bool IsValid(Handle handle) { return handle != nullptr; }
    static void Close(Handle handle) { ClosePrinter(handle); }
};

using ModuleHandle = tagmora::UniqueHandle<ModuleTraits>;
using PrinterHandle = tagmora::UniqueHandle<PrinterTraits>;
using tagmora::FileHandle;

inline PrinterHandle OpenPrinterByName(const wchar_t* name) {
    HANDLE handle = nullptr;
    if (!OpenPrinterW(const_cast<wchar_t*>(name), &handle, nullptr))
        handle = nullptr;
    return PrinterHandle(handle);
}
