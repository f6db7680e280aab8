#include "render/canvas.h"

#include <gtest/gtest.h>

#include "dib_surface.h"
#include "render/colour_blend.h"
#include "render/fitted_text.h"
#include "tests/core/test_folder.h"

namespace tagmora {
namespace {

using testing::BitmapFileBytes;
using testing::DibSurface;
using testing::TestFolder;

constexpr Colour kRed = 0x000000FF;
constexpr Colour kBlue = 0x00FF0000;
constexpr Colour kGreen = 0x0000FF00;

TEST(CanvasTest, PrimitivesWithoutDeviceContextDrawNothingAndDoNotFail) {
    Canvas canvas;
    canvas.FilledRectangle({0, 0, 10, 10}, kRed);
    canvas.RoundedFrame({0, 0, 10, 10}, 3, 1, kRed, kBlue);
    canvas.RectangleOutline(0, 0, 10, 10, kRed);
    canvas.PictureFromFile({0, 0, 10, 10}, "C:\\missing.bmp");
    canvas.FittedText("text", "Tahoma", {0, 0, 10, 10}, kRed, kBlue, TextAlignment::Left);
    canvas.TextAtPoint(0, 0, 12, "text", kRed, kBlue);
    EXPECT_EQ(canvas.DeviceContext(), nullptr);
}

TEST(CanvasTest, FilledRectangleCoversExactlyItsRectangle) {
    DibSurface surface(40, 40);
    Canvas canvas;
    canvas.SetDeviceContext(surface.dc());
    canvas.FilledRectangle({10, 5, 20, 30}, kRed);
    EXPECT_EQ(surface.CountEqual({10, 5, 20, 30}, kRed), 10 * 25);
    EXPECT_EQ(surface.CountEqual(surface.Whole(), kRed), 10 * 25);
}

TEST(CanvasTest, RoundedFrameLeavesARingOfBorderWithRoundCorners) {
    DibSurface surface(60, 60);
    Canvas canvas;
    canvas.SetDeviceContext(surface.dc());
    canvas.RoundedFrame({10, 10, 50, 50}, 9, 1, kBlue, kRed);
    EXPECT_EQ(surface.Pixel(30, 10), kBlue);  // top edge
    EXPECT_EQ(surface.Pixel(10, 30), kBlue);  // left edge
    EXPECT_EQ(surface.Pixel(49, 30), kBlue);  // right edge, inside the exclusive right
    EXPECT_EQ(surface.Pixel(30, 49), kBlue);
    EXPECT_EQ(surface.Pixel(30, 11), kRed);  // one pixel in: the fill
    EXPECT_EQ(surface.Pixel(30, 30), kRed);
    EXPECT_EQ(surface.Pixel(10, 10), 0x00FFFFFFu);  // the corner stays background
    EXPECT_EQ(surface.Pixel(49, 49), 0x00FFFFFFu);
    EXPECT_EQ(surface.CountOther({0, 0, 60, 10}, 0x00FFFFFF), 0);
    EXPECT_EQ(surface.CountOther({50, 0, 60, 60}, 0x00FFFFFF), 0);
}

TEST(CanvasTest, RectangleOutlineDrawsFourEdges) {
    DibSurface surface(40, 40);
    Canvas canvas;
    canvas.SetDeviceContext(surface.dc());
    canvas.RectangleOutline(5, 5, 30, 20, kGreen);
    EXPECT_EQ(surface.Pixel(5, 5), kGreen);
    EXPECT_EQ(surface.Pixel(30, 5), kGreen);
    EXPECT_EQ(surface.Pixel(30, 20), kGreen);
    EXPECT_EQ(surface.Pixel(5, 20), kGreen);
    EXPECT_EQ(surface.Pixel(17, 12), 0x00FFFFFFu);
    EXPECT_EQ(surface.CountEqual(surface.Whole(), kGreen), 2 * 26 + 2 * 14);
}

// Everything a primitive might change, read back from the device context.
struct DeviceState {
    HGDIOBJ pen, brush, font, bitmap;
    COLORREF text, background;
    int mode;
    POINT position;
    bool operator==(const DeviceState& o) const {
        return pen == o.pen && brush == o.brush && font == o.font && bitmap == o.bitmap && text == o.text &&
               background == o.background && mode == o.mode && position.x == o.position.x &&
               position.y == o.position.y;
    }
};

DeviceState ReadState(HDC dc) {
    DeviceState s{};
    s.pen = GetCurrentObject(dc, OBJ_PEN);
    s.brush = GetCurrentObject(dc, OBJ_BRUSH);
    s.font = GetCurrentObject(dc, OBJ_FONT);
    s.bitmap = GetCurrentObject(dc, OBJ_BITMAP);
    s.text = GetTextColor(dc);
    s.background = GetBkColor(dc);
    s.mode = GetBkMode(dc);
    GetCurrentPositionEx(dc, &s.position);
    return s;
}

TEST(CanvasTest, EveryPrimitiveLeavesTheDeviceContextAsFound) {
    TestFolder folder;
    const std::string logo = folder.File("logo.bmp");
    TestFolder::WriteBytes(logo, BitmapFileBytes(2, 1, {kRed, kBlue}));

    DibSurface surface(200, 200);
    HDC dc = surface.dc();
    const Pen pen(CreatePen(PS_DASH, 1, kGreen));
    const Brush brush(CreateHatchBrush(HS_CROSS, kBlue));
    const Font font = CreateFittedFont("Tahoma", 13);
    const ScopedSelection penSelection(dc, pen.Get());
    const ScopedSelection brushSelection(dc, brush.Get());
    const ScopedSelection fontSelection(dc, font.Get());
    SetTextColor(dc, 0x00123456);
    SetBkColor(dc, 0x00654321);
    SetBkMode(dc, TRANSPARENT);
    MoveToEx(dc, 17, 23, nullptr);
    const DeviceState before = ReadState(dc);

    Canvas canvas;
    canvas.SetDeviceContext(dc);
    canvas.FilledRectangle({0, 0, 10, 10}, kRed);
    EXPECT_EQ(ReadState(dc), before) << "FilledRectangle";
    canvas.RoundedFrame({0, 0, 50, 50}, 5, 2, kRed, kBlue);
    EXPECT_EQ(ReadState(dc), before) << "RoundedFrame";
    canvas.RectangleOutline(1, 1, 40, 40, kRed);
    EXPECT_EQ(ReadState(dc), before) << "RectangleOutline";
    canvas.PictureFromFile({0, 0, 30, 30}, logo);
    EXPECT_EQ(ReadState(dc), before) << "PictureFromFile";
    canvas.PictureFromFile({0, 0, 30, 30}, folder.File("missing.bmp"));
    EXPECT_EQ(ReadState(dc), before) << "PictureFromFile, grey box";
    canvas.FittedText("two\r\nlines && more", "Tahoma", {0, 0, 150, 80}, kRed, kBlue, TextAlignment::Right);
    EXPECT_EQ(ReadState(dc), before) << "FittedText";
    canvas.UseLinearTextSearch(true);
    canvas.FittedText("two\r\nlines", "Tahoma", {0, 0, 150, 80}, kRed, kBlue, TextAlignment::Left);
    EXPECT_EQ(ReadState(dc), before) << "FittedText, linear";
    const std::string face = "Tahoma";
    const std::string first = "first";
    const std::string second = "second\r\ntext";
    canvas.FittedTexts({{first, face, {0, 0, 50, 20}, kRed, kBlue, TextAlignment::Left},
                        {std::string(), face, {0, 20, 50, 40}, kRed, kBlue, TextAlignment::Left},
                        {second, face, {0, 40, 50, 80}, kBlue, kRed, TextAlignment::Right}});
    EXPECT_EQ(ReadState(dc), before) << "FittedTexts";
    canvas.TextAtPoint(5, 5, 20, "point", kRed, kBlue);
    EXPECT_EQ(ReadState(dc), before) << "TextAtPoint";
}

TEST(CanvasTest, PictureFromFileStretchesTheBitmapIntoTheRectangle) {
    TestFolder folder;
    const std::string logo = folder.File("logo.bmp");
    TestFolder::WriteBytes(logo, BitmapFileBytes(2, 1, {kRed, kBlue}));
    DibSurface surface(100, 60);
    Canvas canvas;
    canvas.SetDeviceContext(surface.dc());
    canvas.PictureFromFile({20, 10, 60, 50}, logo);
    EXPECT_EQ(surface.CountEqual({20, 10, 40, 50}, kRed), 20 * 40);
    EXPECT_EQ(surface.CountEqual({40, 10, 60, 50}, kBlue), 20 * 40);
    EXPECT_EQ(surface.CountEqual(surface.Whole(), 0x00FFFFFF), 100 * 60 - 40 * 40);
}

// The platform's own StretchBlt of the file, as the reference picture.
void StretchFileDirectly(HDC dc, const DeviceRect& rect, const std::string& path) {
    const Bitmap picture(static_cast<HBITMAP>(
        LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
    BITMAP size{};
    GetObject(picture.Get(), sizeof size, &size);
    const MemoryDC source(dc);
    const ScopedSelection selection(source.Get(), picture.Get());
    StretchBlt(dc, rect.left, rect.top, rect.Width(), rect.Height(), source.Get(), 0, 0, size.bmWidth,
               size.bmHeight, SRCCOPY);
}

TEST(CanvasTest, RepeatedPicturesAreTheSamePixelsAsAFreshStretch) {
    TestFolder folder;
    const std::string logo = folder.File("logo.bmp");
    std::vector<Colour> pixels;
    for (int i = 0; i < 37 * 23; ++i)
        pixels.push_back(static_cast<Colour>((i * 2654435761u) & 0x00FFFFFF));
    TestFolder::WriteBytes(logo, BitmapFileBytes(37, 23, pixels));

    // Shrunk, enlarged and odd sizes, each drawn twice (the second from the kept copy), at different places.
    const std::vector<DeviceRect> rects = {{3, 4, 22, 17},    {40, 2, 59, 15},   {1, 30, 101, 91},
                                           {110, 5, 210, 66}, {7, 100, 20, 101}, {30, 100, 43, 101}};
    for (const int mode : {BLACKONWHITE, COLORONCOLOR}) {
        DibSurface canvasSurface(220, 110);
        DibSurface reference(220, 110);
        SetStretchBltMode(canvasSurface.dc(), mode);
        SetStretchBltMode(reference.dc(), mode);
        Canvas canvas;
        canvas.SetDeviceContext(canvasSurface.dc());
        for (const DeviceRect& rect : rects) {
            canvas.PictureFromFile(rect, logo);
            StretchFileDirectly(reference.dc(), rect, logo);
        }
        EXPECT_TRUE(canvasSurface.SameAs(reference)) << "stretch mode " << mode;
    }
}

TEST(CanvasTest, PictureFromFileShowsAGreyBoxForUnusablePaths) {
    TestFolder folder;
    const std::string capitals = folder.File("LOGO.BMP");  // a real bitmap, but no lower-case "bmp"
    TestFolder::WriteBytes(capitals, BitmapFileBytes(2, 1, {kRed, kBlue}));
    const std::string notAPicture = folder.File("text.bmp");
    TestFolder::WriteBytes(notAPicture, "this is not a bitmap");

    for (const std::string& path : {std::string(), capitals, folder.File("missing.bmp"), notAPicture}) {
        DibSurface surface(50, 50);
        Canvas canvas;
        canvas.SetDeviceContext(surface.dc());
        canvas.PictureFromFile({5, 5, 45, 45}, path);
        EXPECT_EQ(surface.CountEqual({5, 5, 45, 45}, kMissingLogoGrey), 40 * 40) << path;
    }
}

TEST(CanvasTest, AChangedLogoFileShowsAtTheNextPaint) {
    TestFolder folder;
    const std::string logo = folder.File("logo.bmp");
    TestFolder::WriteBytes(logo, BitmapFileBytes(1, 1, {kRed}));
    DibSurface surface(20, 20);
    Canvas canvas;
    const auto paint = [&] {
        canvas.SetDeviceContext(surface.dc());
        canvas.PictureFromFile({0, 0, 20, 20}, logo);
        canvas.PictureFromFile({0, 0, 10, 10}, logo);  // the kept copy
        return surface.Pixel(15, 15);
    };
    EXPECT_EQ(paint(), kRed);
    EXPECT_FLOAT_EQ(canvas.LogoAspect(logo), 1.0f);

    // Same size, new content; a changed write time tells it apart even within one clock tick.
    TestFolder::WriteBytes(logo, BitmapFileBytes(1, 1, {kBlue}));
    HANDLE file =
        CreateFileA(logo.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    FILETIME later{};
    GetFileTime(file, nullptr, nullptr, &later);
    later.dwHighDateTime += 1;
    SetFileTime(file, nullptr, nullptr, &later);
    CloseHandle(file);
    EXPECT_EQ(paint(), kBlue);
    EXPECT_EQ(surface.Pixel(5, 5), kBlue);

    // A wider picture under the same name changes the aspect too.
    TestFolder::WriteBytes(logo, BitmapFileBytes(3, 1, {kRed, kRed, kRed}));
    canvas.SetDeviceContext(surface.dc());
    EXPECT_FLOAT_EQ(canvas.LogoAspect(logo), 3.0f);

    DeleteFileA(logo.c_str());
    EXPECT_EQ(paint(), kMissingLogoGrey);
    EXPECT_FLOAT_EQ(canvas.LogoAspect(logo), 1.0f);
}

TEST(CanvasTest, PictureAspectIsWidthOverHeightOrOne) {
    TestFolder folder;
    const std::string wide = folder.File("wide.bmp");
    TestFolder::WriteBytes(wide, BitmapFileBytes(4, 2, std::vector<Colour>(8, kRed)));
    const std::string capitals = folder.File("WIDE.BMP");
    TestFolder::WriteBytes(capitals, BitmapFileBytes(4, 2, std::vector<Colour>(8, kRed)));
    const std::string broken = folder.File("broken.bmp");
    TestFolder::WriteBytes(broken, "BM but nothing more");

    EXPECT_FLOAT_EQ(Canvas::PictureAspect(wide), 2.0f);
    EXPECT_FLOAT_EQ(Canvas::PictureAspect(capitals), 1.0f);
    EXPECT_FLOAT_EQ(Canvas::PictureAspect(folder.File("missing.bmp")), 1.0f);
    EXPECT_FLOAT_EQ(Canvas::PictureAspect(broken), 1.0f);
    EXPECT_FLOAT_EQ(Canvas::PictureAspect(""), 1.0f);

    Canvas canvas;
    EXPECT_FLOAT_EQ(canvas.LogoAspect(wide), 2.0f);
    EXPECT_FLOAT_EQ(canvas.LogoAspect(capitals), 1.0f);
    EXPECT_FLOAT_EQ(canvas.LogoAspect(folder.File("missing.bmp")), 1.0f);
    EXPECT_FLOAT_EQ(canvas.LogoAspect(broken), 1.0f);
    EXPECT_FLOAT_EQ(canvas.LogoAspect(""), 1.0f);
}

TEST(CanvasTest, TextAtPointPaintsOpaqueCellsFromThePoint) {
    DibSurface surface(200, 60);
    Canvas canvas;
    canvas.SetDeviceContext(surface.dc());
    canvas.TextAtPoint(20, 10, 24, "Hello", kRed, kBlue);
    const DeviceRect painted = surface.BoundsOfOther(surface.Whole(), 0x00FFFFFF);
    EXPECT_EQ(painted.left, 20);
    EXPECT_EQ(painted.top, 10);
    EXPECT_GT(surface.CountEqual(painted, kBlue), 0);
    EXPECT_GT(surface.CountEqual(painted, kRed), 0);
}

}  // namespace
}  // namespace tagmora
