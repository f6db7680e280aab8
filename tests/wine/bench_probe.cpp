// Checks, from the Windows side, that the Wine prefix is the bench the tests expect. Each command prints what
// it saw as NAME=value lines and exits 0 when it is as expected:
//   page [dpi [printer]]  prints one page with a framed rectangle on the default printer (at dpi when
//                   given and not 0; on the named printer when given)
//   fonts           Wine's own faces and the metric-compatible replacements are the intended font files
//   open-url URL    hands the URL to the shell's "open" verb, as the program's help buttons do
//   screen WxH      the screen is the virtual desktop of that size (needs a display; exits 77 without one)

#include <windows.h>
// After windows.h, which they need.
#include <shellapi.h>
#include <winspool.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tests/wine/bench_handles.h"
#include "win/gdi.h"

namespace {

constexpr int kSkipped = 77;

int Fail(const char* what) {
    std::fprintf(stderr, "bench_probe: %s failed (error %lu)\n", what, GetLastError());
    return 1;
}

std::wstring DefaultPrinter() {
    DWORD size = 0;
    GetDefaultPrinterW(nullptr, &size);
    if (size == 0)
        return std::wstring();
    std::wstring name(size, L'\0');
    if (!GetDefaultPrinterW(name.data(), &size))
        return std::wstring();
    name.resize(size > 0 ? size - 1 : 0);
    return name;
}

// The printer's default DEVMODE, with the resolution replaced when one is asked for.
std::vector<BYTE> PrinterDevMode(const std::wstring& printerName, int dpi) {
    const PrinterHandle printer = OpenPrinterByName(printerName.c_str());
    if (!printer)
        return {};
    auto* name = const_cast<wchar_t*>(printerName.c_str());
    const LONG size = DocumentPropertiesW(nullptr, printer.Get(), name, nullptr, nullptr, 0);
    if (size <= 0)
        return {};
    std::vector<BYTE> buffer(static_cast<size_t>(size));
    auto* mode = reinterpret_cast<DEVMODEW*>(buffer.data());
    if (DocumentPropertiesW(nullptr, printer.Get(), name, mode, nullptr, DM_OUT_BUFFER) != IDOK)
        return {};
    if (dpi > 0) {
        mode->dmFields |= DM_PRINTQUALITY | DM_YRESOLUTION;
        mode->dmPrintQuality = static_cast<short>(dpi);
        mode->dmYResolution = static_cast<short>(dpi);
    }
    return buffer;
}

int PrintPage(int dpi, const char* printer) {
    const std::wstring printerName =
        printer ? std::wstring(printer, printer + std::strlen(printer)) : DefaultPrinter();
    if (printerName.empty())
        return Fail("GetDefaultPrinterW");
    std::vector<BYTE> mode = PrinterDevMode(printerName, dpi);
    if (mode.empty())
        return Fail("DocumentPropertiesW");
    const tagmora::OwnedDC printerDc(
        CreateDCW(L"WINSPOOL", printerName.c_str(), nullptr, reinterpret_cast<DEVMODEW*>(mode.data())));
    const HDC dc = printerDc.Get();
    if (!dc)
        return Fail("CreateDCW");

    const int width = GetDeviceCaps(dc, HORZRES);
    const int height = GetDeviceCaps(dc, VERTRES);
    std::printf("PRINTER=%ls\n", printerName.c_str());
    std::printf("HORZRES=%d\nVERTRES=%d\n", width, height);
    std::printf("PHYSICALWIDTH=%d\nPHYSICALHEIGHT=%d\n", GetDeviceCaps(dc, PHYSICALWIDTH),
                GetDeviceCaps(dc, PHYSICALHEIGHT));
    std::printf("PHYSICALOFFSETX=%d\nPHYSICALOFFSETY=%d\n", GetDeviceCaps(dc, PHYSICALOFFSETX),
                GetDeviceCaps(dc, PHYSICALOFFSETY));
    std::printf("LOGPIXELSX=%d\nLOGPIXELSY=%d\n", GetDeviceCaps(dc, LOGPIXELSX),
                GetDeviceCaps(dc, LOGPIXELSY));
    std::fflush(stdout);

    DOCINFOW doc = {};
    doc.cbSize = sizeof(doc);
    doc.lpszDocName = L"Tagmora bench page";
    bool printed = false;
    if (StartDocW(dc, &doc) > 0) {
        if (StartPage(dc) > 0) {
            // A black frame a tenth of the page in from every edge, filled grey: easy to find in the render.
            {
                const tagmora::Pen pen(CreatePen(PS_SOLID, width / 100, RGB(0, 0, 0)));
                const tagmora::Brush brush(CreateSolidBrush(RGB(128, 128, 128)));
                const tagmora::ScopedSelection penSelection(dc, pen.Get());
                const tagmora::ScopedSelection brushSelection(dc, brush.Get());
                Rectangle(dc, width / 10, height / 10, width - width / 10, height - height / 10);
            }
            printed = EndPage(dc) > 0 && EndDoc(dc) > 0;
        }
        if (!printed)
            AbortDoc(dc);
    }
    return printed ? 0 : Fail("printing the page");
}

std::vector<BYTE> SelectedFontFile(HDC dc, const wchar_t* face, int weight) {
    const tagmora::Font font(CreateFontW(-16, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                         OUT_TT_ONLY_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                         DEFAULT_PITCH, face));
    const tagmora::ScopedSelection selection(dc, font.Get());
    const DWORD size = GetFontData(dc, 0, 0, nullptr, 0);
    if (size == GDI_ERROR || size == 0)
        return {};
    std::vector<BYTE> bytes(size);
    if (GetFontData(dc, 0, 0, bytes.data(), size) != size)
        return {};
    return bytes;
}

std::vector<BYTE> WindowsFontFile(const wchar_t* fileName) {
    wchar_t windows[MAX_PATH];
    const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    const std::wstring path = std::wstring(windows) + L"\\Fonts\\" + fileName;
    const FileHandle file(
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file)
        return {};
    std::vector<BYTE> bytes(GetFileSize(file.Get(), nullptr));
    DWORD read = 0;
    if (!ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
        read != bytes.size()) {
        return {};
    }
    return bytes;
}

// Wine silently takes another font when a face is missing, and reports a replacement under the name asked
// for, so the check compares the font file behind each face with the file it should be.
int CheckFonts() {
    const tagmora::MemoryDC memoryDc(nullptr);
    const HDC dc = memoryDc.Get();
    if (!dc)
        return Fail("CreateCompatibleDC");

    struct OwnFace {
        const wchar_t* face;
        int weight;
        const wchar_t* file;
    };
    const OwnFace ownFaces[] = {
        {L"Tahoma", FW_NORMAL, L"tahoma.ttf"},
        {L"Tahoma", FW_BOLD, L"tahomabd.ttf"},
        {L"Marlett", FW_NORMAL, L"marlett.ttf"},
    };
    struct Replaced {
        const wchar_t* face;
        const wchar_t* replacement;
    };
    const Replaced replacedFaces[] = {
        {L"Arial", L"Liberation Sans"},
        {L"Times New Roman", L"Liberation Serif"},
        {L"Courier New", L"Liberation Mono"},
    };

    int wrong = 0;
    const auto report = [&wrong](const wchar_t* face, int weight, const wchar_t* expected, bool ok) {
        std::printf("%ls%s=%ls%s\n", face, weight == FW_BOLD ? " Bold" : "", expected, ok ? "" : " (WRONG)");
        if (!ok)
            ++wrong;
    };
    for (const OwnFace& own : ownFaces) {
        const std::vector<BYTE> file = WindowsFontFile(own.file);
        report(own.face, own.weight, own.file,
               !file.empty() && SelectedFontFile(dc, own.face, own.weight) == file);
    }
    for (const Replaced& replaced : replacedFaces) {
        for (const int weight : {FW_NORMAL, FW_BOLD}) {
            const std::vector<BYTE> file = SelectedFontFile(dc, replaced.replacement, weight);
            report(replaced.face, weight, replaced.replacement,
                   !file.empty() && SelectedFontFile(dc, replaced.face, weight) == file);
        }
    }
    return wrong == 0 ? 0 : 1;
}

int OpenUrl(const char* url) {
    const auto result =
        reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", url, nullptr, nullptr, SW_SHOW));
    std::printf("SHELLEXECUTE=%d\n", static_cast<int>(result));
    return result > 32 ? 0 : 1;
}

int Screen(const char* expected) {
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) {
        std::printf("no display: skipped\n");
        return kSkipped;
    }
    char size[32];
    std::snprintf(size, sizeof(size), "%dx%d", GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    std::printf("SCREEN=%s\n", size);
    return std::strcmp(size, expected) == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const char* command = argc > 1 ? argv[1] : "";
    if (std::strcmp(command, "page") == 0)
        return PrintPage(argc > 2 ? std::atoi(argv[2]) : 0, argc > 3 ? argv[3] : nullptr);
    if (std::strcmp(command, "fonts") == 0)
        return CheckFonts();
    if (std::strcmp(command, "open-url") == 0 && argc > 2)
        return OpenUrl(argv[2]);
    if (std::strcmp(command, "screen") == 0 && argc > 2)
        return Screen(argv[2]);
    std::fprintf(stderr, "usage: bench_probe page [dpi [printer]] | fonts | open-url URL | screen WxH\n");
    return 2;
}
