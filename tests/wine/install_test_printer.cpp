// Installs "Tagmora Test Printer" in the Wine prefix the tests run in and makes it the default printer.
// Wine 8 finds printers only through CUPS or its registry, and the tests must not depend on a CUPS server:
// this printer sits on Wine's own PostScript driver, and its port "TESTPRN:" is mapped (in the registry,
// by the prefix set-up) to a script that keeps every job as a file in the build folder.
// Running it again on a prepared prefix changes nothing but the default printer.

#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/wine/bench_handles.h"

namespace {

constexpr const wchar_t* kPrinterName = L"Tagmora Test Printer";
constexpr const wchar_t* kDriverName = L"Tagmora Test PostScript";
constexpr const wchar_t* kPortName = L"TESTPRN:";
constexpr const wchar_t* kPostScriptDriver = L"wineps.drv";
constexpr const wchar_t* kPpdFileName = L"tagmora_test_printer.ppd";

int Fail(const char* what) {
    std::fprintf(stderr, "install_test_printer: %s failed (error %lu)\n", what, GetLastError());
    return 1;
}

// Wine's generic PostScript description: resource PPDFILE 1 of winspool.drv, a text that ends at its
// first NUL.
bool LoadGenericPpd(std::string& ppd) {
    const ModuleHandle spooler(LoadLibraryExW(L"winspool.drv", nullptr, LOAD_LIBRARY_AS_DATAFILE));
    if (!spooler)
        return false;
    HRSRC resource = FindResourceW(spooler.Get(), MAKEINTRESOURCEW(1), L"PPDFILE");
    if (!resource)
        return false;
    const DWORD size = SizeofResource(spooler.Get(), resource);
    HGLOBAL handle = LoadResource(spooler.Get(), resource);
    const char* data = handle ? static_cast<const char*>(LockResource(handle)) : nullptr;
    if (!data || size == 0)
        return false;
    const std::string text(data, size);
    ppd = text.substr(0, text.find('\0'));
    return !ppd.empty();
}

bool WriteWholeFile(const std::wstring& path, const std::string& content) {
    const FileHandle file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    DWORD written = 0;
    return WriteFile(file.Get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
           written == content.size();
}

std::wstring DriverDirectory() {
    DWORD needed = 0;
    GetPrinterDriverDirectoryW(nullptr, nullptr, 1, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed + sizeof(wchar_t));
    if (!GetPrinterDriverDirectoryW(nullptr, nullptr, 1, buffer.data(), static_cast<DWORD>(buffer.size()),
                                    &needed)) {
        return std::wstring();
    }
    return reinterpret_cast<const wchar_t*>(buffer.data());
}

bool PrinterExists() {
    return static_cast<bool>(OpenPrinterByName(kPrinterName));
}

}  // namespace

int main() {
    if (!PrinterExists()) {
        std::string ppd;
        if (!LoadGenericPpd(ppd))
            return Fail("loading the PPDFILE resource of winspool.drv");
        const std::wstring directory = DriverDirectory();
        if (directory.empty())
            return Fail("GetPrinterDriverDirectoryW");
        std::wstring ppdPath = directory + L"\\" + kPpdFileName;
        if (!WriteWholeFile(ppdPath, ppd))
            return Fail("writing the PPD file");

        DRIVER_INFO_3W driver = {};
        driver.cVersion = 3;
        driver.pName = const_cast<wchar_t*>(kDriverName);
        driver.pDriverPath = const_cast<wchar_t*>(kPostScriptDriver);
        driver.pConfigFile = const_cast<wchar_t*>(kPostScriptDriver);
        driver.pDataFile = ppdPath.data();
        driver.pDefaultDataType = const_cast<wchar_t*>(L"RAW");
        if (!AddPrinterDriverExW(nullptr, 3, reinterpret_cast<BYTE*>(&driver), APD_COPY_NEW_FILES)) {
            return Fail("AddPrinterDriverExW");
        }

        PRINTER_INFO_2W info = {};
        info.pPrinterName = const_cast<wchar_t*>(kPrinterName);
        info.pPortName = const_cast<wchar_t*>(kPortName);
        info.pDriverName = const_cast<wchar_t*>(kDriverName);
        // The "wineps" print processor makes EndDoc fail with error 122; WinPrint passes RAW jobs through.
        info.pPrintProcessor = const_cast<wchar_t*>(L"WinPrint");
        info.pDatatype = const_cast<wchar_t*>(L"RAW");
        info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
        const PrinterHandle printer(AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&info)));
        if (!printer)
            return Fail("AddPrinterW");
    }
    if (!SetDefaultPrinterW(kPrinterName))
        return Fail("SetDefaultPrinterW");
    std::printf("default printer: %ls on %ls\n", kPrinterName, kPortName);
    return 0;
}
