#pragma once
// The spooler and module handles the bench's own Windows tools open, in the program's one handle owner.

#include <windows.h>
#include <winspool.h>

#include "win/handle.h"

using ModuleHandle = tagmora::UniqueHandle<tagmora::NullableHandleTraits<HMODULE, FreeLibrary>>;
using PrinterHandle = tagmora::UniqueHandle<tagmora::NullableHandleTraits<HANDLE, ClosePrinter>>;
using tagmora::FileHandle;

inline PrinterHandle OpenPrinterByName(const wchar_t* name) {
    HANDLE handle = nullptr;
    if (!OpenPrinterW(const_cast<wchar_t*>(name), &handle, nullptr))
        handle = nullptr;
    return PrinterHandle(handle);
}
