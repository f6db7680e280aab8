// Installs "Tagmora Test Printer" in the Wine prefix the tests run in and makes it the default printer, and
// beside it "Tagmora Letter Printer", which tests choose by name: other paper (Letter), resolution (600 dpi)
// and margins (left 12, top 24, right 18, bottom 30 points), through a PPD of its own.
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

struct BenchPrinter {
    const wchar_t* name;
    const wchar_t* driver;
    const wchar_t* port;  // mapped to its own job folder by the prefix set-up
    const wchar_t* ppdFile;
    bool letter;  // the generic description changed to Letter at 600 dpi
};

constexpr BenchPrinter kTestPrinter{L"Tagmora Test Printer", L"Tagmora Test PostScript", L"TESTPRN:",
                                    L"tagmora_test_printer.ppd", false};
constexpr BenchPrinter kLetterPrinter{L"Tagmora Letter Printer", L"Tagmora Letter PostScript", L"TESTPRN2:",
                                      L"tagmora_letter_printer.ppd", true};
constexpr const wchar_t* kPostScriptDriver = L"wineps.drv";

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

// Replaces the line that starts with the prefix (from its start to its line feed); false when there is none.
bool ReplaceLine(std::string& ppd, const std::string& prefix, const std::string& line) {
    const std::size_t at = ppd.find("\n" + prefix);
    if (at == std::string::npos)
        return false;
    const std::size_t end = ppd.find('\n', at + 1);
    ppd.replace(at + 1, end == std::string::npos ? std::string::npos : end - at - 1, line);
    return true;
}

// Letter paper by default, with margins that differ on every side, and 600 dpi as the lowest resolution
// left, which the driver then takes.
bool MakeLetterPpd(std::string& ppd) {
    bool changed =
        ReplaceLine(ppd, "*DefaultPageSize:", "*DefaultPageSize: Letter") &&
        ReplaceLine(ppd, "*DefaultPageRegion:", "*DefaultPageRegion: Letter") &&
        ReplaceLine(ppd, "*DefaultImageableArea:", "*DefaultImageableArea: Letter") &&
        ReplaceLine(ppd, "*ImageableArea Letter/", "*ImageableArea Letter/US Letter:\t\"12 30 594 768\"") &&
        ReplaceLine(ppd, "*DefaultPaperDimension:", "*DefaultPaperDimension: Letter");
    for (const char* resolution : {"*Resolution 150dpi", "*Resolution 300dpi"})
        changed = changed && ReplaceLine(ppd, resolution, "*% no " + std::string(resolution + 1));
    return changed;
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

bool PrinterExists(const BenchPrinter& bench) {
    return static_cast<bool>(OpenPrinterByName(bench.name));
}

int Install(const BenchPrinter& bench) {
    if (!PrinterExists(bench)) {
        std::string ppd;
        if (!LoadGenericPpd(ppd))
            return Fail("loading the PPDFILE resource of winspool.drv");
        if (bench.letter && !MakeLetterPpd(ppd))
            return Fail("changing the generic PPD to Letter");
        const std::wstring directory = DriverDirectory();
        if (directory.empty())
            return Fail("GetPrinterDriverDirectoryW");
        std::wstring ppdPath = directory + L"\\" + bench.ppdFile;
        if (!WriteWholeFile(ppdPath, ppd))
            return Fail("writing the PPD file");

        DRIVER_INFO_3W driver = {};
        driver.cVersion = 3;
        driver.pName = const_cast<wchar_t*>(bench.driver);
        driver.pDriverPath = const_cast<wchar_t*>(kPostScriptDriver);
        driver.pConfigFile = const_cast<wchar_t*>(kPostScriptDriver);
        driver.pDataFile = ppdPath.data();
        driver.pDefaultDataType = const_cast<wchar_t*>(L"RAW");
        if (!AddPrinterDriverExW(nullptr, 3, reinterpret_cast<BYTE*>(&driver), APD_COPY_NEW_FILES)) {
            return Fail("AddPrinterDriverExW");
        }

        PRINTER_INFO_2W info = {};
        info.pPrinterName = const_cast<wchar_t*>(bench.name);
        info.pPortName = const_cast<wchar_t*>(bench.port);
        info.pDriverName = const_cast<wchar_t*>(bench.driver);
        // The "wineps" print processor makes EndDoc fail with error 122; WinPrint passes RAW jobs through.
        info.pPrintProcessor = const_cast<wchar_t*>(L"WinPrint");
        info.pDatatype = const_cast<wchar_t*>(L"RAW");
        info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
        const PrinterHandle printer(AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&info)));
        if (!printer)
            return Fail("AddPrinterW");
    }
    return 0;
}

}  // namespace

int main() {
    for (const BenchPrinter& bench : {kTestPrinter, kLetterPrinter}) {
        if (const int failed = Install(bench))
            return failed;
    }
    if (!SetDefaultPrinterW(kTestPrinter.name))
        return Fail("SetDefaultPrinterW");
    std::printf("default printer: %ls on %ls; also %ls on %ls\n", kTestPrinter.name, kTestPrinter.port,
                kLetterPrinter.name, kLetterPrinter.port);
    return 0;
}
