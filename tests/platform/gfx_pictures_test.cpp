// The shipped pictures, read the way the program reads them: every button picture must decode with the
// platform's OLE picture loader at exactly its button's size (a button copies its picture unscaled), the
// default logo must load as a bitmap the way label drawing loads it, and the icon must hold its three sizes.
#include <gtest/gtest.h>
#include <ole2.h>
#include <olectl.h>
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "win/gdi.h"

namespace tagmora {
namespace {

// Wine hands Linux paths through unchanged; its Z: drive is the Linux root.
std::string WindowsPath(std::string path) {
    if (!path.empty() && path.front() == '/')
        path = "Z:" + path;
    for (char& c : path) {
        if (c == '/')
            c = '\\';
    }
    if (!path.empty() && path.back() != '\\')
        path += '\\';
    return path;
}

// The source tree: TAGMORA_SOURCE_DIR when set (to test another checkout), else the tree this test was built
// from.
std::string SourceFolder() {
    const char* from_environment = std::getenv("TAGMORA_SOURCE_DIR");
    if (from_environment != nullptr && *from_environment != '\0')
        return WindowsPath(from_environment);
    return WindowsPath(TAGMORA_BUILD_SOURCE_DIR);
}

std::string GfxFile(const std::string& name) {
    return SourceFolder() + "gfx\\" + name;
}

class ComApartment {
  public:
    ComApartment() : result_(CoInitialize(nullptr)) {}
    ~ComApartment() {
        if (SUCCEEDED(result_))
            CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

  private:
    HRESULT result_;
};

// Releases one COM interface.
template <typename Interface>
class ComRef {
  public:
    ComRef() = default;
    ~ComRef() {
        if (pointer_ != nullptr)
            pointer_->Release();
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    Interface** Out() { return &pointer_; }
    Interface* Get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }

  private:
    Interface* pointer_ = nullptr;
};

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The pixels of a bitmap as 32-bit BGRX rows, top row first.
std::vector<std::uint32_t> Pixels(HBITMAP bitmap, int width, int height) {
    BITMAPINFO info = TopDownBitmapInfo(width, height);
    std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    WindowDC screen(nullptr);
    const int rows =
        GetDIBits(screen.Get(), bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
    if (rows != height)
        pixels.clear();
    return pixels;
}

bool NearlyWhite(std::uint32_t bgrx) {
    return (bgrx & 0xFF) >= 0xF0 && ((bgrx >> 8) & 0xFF) >= 0xF0 && ((bgrx >> 16) & 0xFF) >= 0xF0;
}

// The four corners: every picture sits on a white window, so its edges must blend with white.
void ExpectWhiteCorners(const std::vector<std::uint32_t>& pixels, int width, int height,
                        const std::string& name) {
    ASSERT_EQ(pixels.size(), static_cast<size_t>(width) * static_cast<size_t>(height)) << name;
    const size_t corners[] = {0, static_cast<size_t>(width - 1), static_cast<size_t>(height - 1) * width,
                              static_cast<size_t>(height) * width - 1};
    for (size_t corner : corners) {
        EXPECT_TRUE(NearlyWhite(pixels[corner]))
            << name << " corner pixel " << corner << " is " << std::hex << pixels[corner];
    }
}

struct ButtonPicture {
    const char* file;
    int width;
    int height;
};

void PrintTo(const ButtonPicture& picture, std::ostream* out) {
    *out << picture.file << " " << picture.width << " x " << picture.height;
}

// The Main Window's button sizes, and the About window's splash control: 230 x 178 dialog units in a Tahoma 8
// dialog, whose base units are 6 x 13 pixels at 96 dpi.
const ButtonPicture kButtonPictures[] = {
    {"button_title.jpg", 123, 119},      {"button_about_U.jpg", 114, 59},
    {"button_about_D.jpg", 114, 59},     {"button_setup_U.jpg", 114, 61},
    {"button_setup_D.jpg", 114, 61},     {"button_print_U.jpg", 114, 61},
    {"button_print_D.jpg", 114, 61},     {"button_exit_U.jpg", 114, 61},
    {"button_exit_D.jpg", 114, 61},      {"button_instructions.jpg", 109, 122},
    {"button_splash.jpg", 345, 289},     {"button_addresses_U.jpg", 114, 61},
    {"button_addresses_D.jpg", 114, 61},
};

class GfxButtonPicture : public ::testing::TestWithParam<ButtonPicture> {};

TEST_P(GfxButtonPicture, DecodesWithOleAtItsButtonSizeOnWhite) {
    const ButtonPicture& expected = GetParam();
    const std::string path = GfxFile(expected.file);
    const std::string bytes = ReadWholeFile(path);
    ASSERT_FALSE(bytes.empty()) << "cannot read " << path;
    ASSERT_EQ(0xFF, static_cast<unsigned char>(bytes[0])) << "not a JPEG: " << path;
    ASSERT_EQ(0xD8, static_cast<unsigned char>(bytes[1])) << "not a JPEG: " << path;

    ComApartment com;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    ASSERT_NE(nullptr, block);
    void* data = GlobalLock(block);
    ASSERT_NE(nullptr, data);
    memcpy(data, bytes.data(), bytes.size());
    GlobalUnlock(block);
    ComRef<IStream> stream;
    ASSERT_EQ(S_OK, CreateStreamOnHGlobal(block, TRUE, stream.Out()));
    ComRef<IPicture> picture;
    ASSERT_EQ(S_OK, OleLoadPicture(stream.Get(), static_cast<LONG>(bytes.size()), FALSE, IID_IPicture,
                                   reinterpret_cast<void**>(picture.Out())))
        << expected.file;
    ASSERT_NE(nullptr, picture.Get());

    OLE_HANDLE handle = 0;
    ASSERT_EQ(S_OK, picture->get_Handle(&handle));
    HBITMAP bitmap = reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
    BITMAP info{};
    ASSERT_EQ(static_cast<int>(sizeof info), GetObjectA(bitmap, sizeof info, &info));
    EXPECT_EQ(expected.width, info.bmWidth) << expected.file;
    EXPECT_EQ(expected.height, info.bmHeight) << expected.file;
    if (info.bmWidth == expected.width && info.bmHeight == expected.height) {
        ExpectWhiteCorners(Pixels(bitmap, info.bmWidth, info.bmHeight), info.bmWidth, info.bmHeight,
                           expected.file);
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, GfxButtonPicture, ::testing::ValuesIn(kButtonPictures),
                         [](const ::testing::TestParamInfo<ButtonPicture>& info) {
                             std::string name = info.param.file;
                             name = name.substr(0, name.find('.'));
                             return name;
                         });

// The splash size above must be what the About window gives its control 1056: recompute the dialog base units
// of a Tahoma 8 dialog the way the dialog manager does (average width of the alphabet, and the font's
// height).
TEST(GfxButtonPictures, SplashEqualsTheAboutWindowControlInTahoma8) {
    WindowDC screen(nullptr);
    ASSERT_NE(nullptr, screen.Get());
    const int dpi = GetDeviceCaps(screen.Get(), LOGPIXELSY);
    Font font(CreateFontA(-MulDiv(8, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          DEFAULT_PITCH | FF_DONTCARE, "Tahoma"));
    ASSERT_TRUE(font);
    char face[LF_FACESIZE] = {};
    TEXTMETRICA metrics{};
    SIZE extent{};
    {
        ScopedSelection selection(screen.Get(), font.Get());
        GetTextFaceA(screen.Get(), LF_FACESIZE, face);
        GetTextMetricsA(screen.Get(), &metrics);
        static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
        GetTextExtentPoint32A(screen.Get(), kAlphabet, 52, &extent);
    }

    if (std::string(face) != "Tahoma" || dpi != 96) {
        GTEST_SKIP() << "the dialog font here is " << face << " at " << dpi
                     << " dpi; the splash is drawn for Tahoma at 96 dpi";
    }
    const int base_x = (extent.cx / 26 + 1) / 2;
    const int base_y = metrics.tmHeight;
    EXPECT_EQ(6, base_x);
    EXPECT_EQ(13, base_y);
    EXPECT_EQ(345, MulDiv(230, base_x, 4));
    EXPECT_EQ(289, MulDiv(178, base_y, 8));
}

TEST(GfxDefaultLogo, LoadsAsTheLabelDrawingLoadsIt) {
    const std::string path = GfxFile("Ostrel.bmp");
    Bitmap bitmap(static_cast<HBITMAP>(
        LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
    ASSERT_TRUE(bitmap) << path;
    DIBSECTION section{};
    ASSERT_EQ(static_cast<int>(sizeof section), GetObjectA(bitmap.Get(), sizeof section, &section));
    EXPECT_EQ(24, section.dsBm.bmBitsPixel);
    EXPECT_EQ(static_cast<DWORD>(BI_RGB), section.dsBmih.biCompression);
    // Label drawing stretches the logo to the sender band's height times its aspect; a logo much wider than
    // 3:2 would crowd out the sender texts.
    const double aspect = static_cast<double>(section.dsBm.bmWidth) / section.dsBm.bmHeight;
    EXPECT_GE(aspect, 1.0);
    EXPECT_LE(aspect, 1.5);
    ExpectWhiteCorners(Pixels(bitmap.Get(), section.dsBm.bmWidth, section.dsBm.bmHeight),
                       section.dsBm.bmWidth, section.dsBm.bmHeight, "Ostrel.bmp");
}

struct IconEntry {
    int size;
    int bits;
};

std::vector<IconEntry> IconDirectory(const std::string& bytes) {
    std::vector<IconEntry> entries;
    auto word = [&](size_t at) {
        return static_cast<int>(static_cast<unsigned char>(bytes[at]) |
                                (static_cast<unsigned char>(bytes[at + 1]) << 8));
    };
    if (bytes.size() < 6 || word(0) != 0 || word(2) != 1)
        return entries;
    const int count = word(4);
    for (int i = 0; i < count; ++i) {
        const size_t at = 6 + 16 * static_cast<size_t>(i);
        if (at + 16 > bytes.size())
            break;
        const int size =
            static_cast<unsigned char>(bytes[at]) == 0 ? 256 : static_cast<unsigned char>(bytes[at]);
        entries.push_back({size, word(at + 6)});
    }
    return entries;
}

TEST(GfxProgramIcon, HoldsEachSizeInFullColourAndIn256Colours) {
    const std::string path = SourceFolder() + "res\\tagmora.ico";
    const std::vector<IconEntry> entries = IconDirectory(ReadWholeFile(path));
    ASSERT_FALSE(entries.empty()) << "no icon directory in " << path;
    for (int size : {16, 32, 48}) {
        for (int bits : {32, 8}) {
            bool found = false;
            for (const IconEntry& entry : entries)
                found = found || (entry.size == size && entry.bits == bits);
            EXPECT_TRUE(found) << size << " x " << size << " at " << bits << " bits";
        }
        HICON icon =
            static_cast<HICON>(LoadImageA(nullptr, path.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE));
        ASSERT_NE(nullptr, icon) << size;
        ICONINFO info{};
        const BOOL got_info = GetIconInfo(icon, &info);
        DestroyIcon(icon);
        ASSERT_TRUE(got_info) << size;
        const Bitmap mask(info.hbmMask), colour(info.hbmColor);
        BITMAP mask_info{};
        GetObjectA(mask.Get(), sizeof mask_info, &mask_info);
        EXPECT_EQ(size, mask_info.bmWidth);
    }
}

}  // namespace
}  // namespace tagmora
