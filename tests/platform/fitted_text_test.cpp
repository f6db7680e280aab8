#include "render/fitted_text.h"

#include <gtest/gtest.h>
#include <winspool.h>

#include <random>

#include "dib_surface.h"
#include "model/text_helpers.h"
#include "render/canvas.h"

namespace tagmora {
namespace {

using testing::DibSurface;

constexpr Colour kBlack = 0x00000000;
constexpr Colour kWhite = 0x00FFFFFF;

std::string RealisedFace(HDC dc, const std::string& face) {
    const Font font = CreateFittedFont(face, 20);
    const ScopedSelection selection(dc, font.Get());
    char name[LF_FACESIZE] = {};
    GetTextFaceA(dc, LF_FACESIZE, name);
    return name;
}

TEST(FittedTextFontTest, TheSheetsFaceIsTheOneDrawn) {
    DibSurface surface(10, 10);
    EXPECT_EQ(RealisedFace(surface.dc(), "Tahoma"), "Tahoma") << "the Wine prefix lacks Wine's Tahoma";
    // A face the system does not have still gives a font: the platform's substitute.
    EXPECT_FALSE(RealisedFace(surface.dc(), "No Such Face At All").empty());
}

// The fitted-text rule written out on its own, measuring with the platform at every height: h = 1, 2, ...
// fails as soon as a line is wider than the rectangle or the running sum of line heights exceeds its
// height; the result is the last h that passed, or 1. Two bounds end what the rule alone would not: lines
// that all measure 0 high fail once h is taller than the rectangle, and no h above 32767 fits.
int ReferenceFittedHeight(HDC dc, const std::string& text, const std::string& face, int width, int height) {
    std::vector<std::string> lines(1);
    for (const char c : text) {
        if (c == '\r')
            lines.emplace_back();
        else
            lines.back() += c;
    }
    for (int h = 1;; ++h) {
        bool fits = h <= 32767;
        long long sum = 0;
        const Font font = CreateFittedFont(face, h);
        const ScopedSelection selection(dc, font.Get());
        for (std::size_t i = 0; fits && i < lines.size(); ++i) {
            SIZE size{};
            GetTextExtentPoint32A(dc, lines[i].data(), static_cast<int>(lines[i].size()), &size);
            sum += size.cy;
            fits = size.cx <= width && sum <= height;
        }
        if (!fits || (sum == 0 && h > height))
            return std::max(1, h - 1);
    }
}

// Texts as the program meets them: addresses of several lines, every byte of the code page, ampersands,
// empty lines, a trailing break.
std::vector<std::string> SampleTexts() {
    std::vector<std::string> texts = {
        "Left click this label\r\nto enable/disable it.\r\n\r\nRight click this label\r\nto change the "
        "address.",
        "Sender\xBB",
        "senders address\r\npress setup to\r\nchange this",
        "Smith && Sons Ltd\r\nUnit 4, The Old Mill\r\nLONG EATON\r\nNG10 1AB",
        "\r\n",
        "trailing break\r\n",
        "W",
        "iiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiii",
        "WWWWWWWWWWWWW\r\n.",
    };
    std::mt19937 random(20261208);
    for (int n = 0; n < 24; ++n) {
        std::string text;
        const int length = 1 + static_cast<int>(random() % 60);
        for (int i = 0; i < length; ++i) {
            const unsigned char c = static_cast<unsigned char>(32 + random() % 224);
            text += random() % 9 == 0 ? std::string("\r\n") : std::string(1, static_cast<char>(c));
        }
        texts.push_back(text);
    }
    return texts;
}

// The fast search must pick exactly the height of the linear one, over faces with different metrics
// (including a symbol face and a missing one), texts and rectangles from slivers to page-sized.
TEST(FittedTextSearchTest, FastSearchFindsTheLinearHeight) {
    DibSurface surface(10, 10);
    const std::vector<std::string> faces = {
        "Tahoma", "Liberation Serif",   "Courier New", "DejaVu Sans", "Liberation Sans Narrow",
        "Symbol", "No Such Face At All"};
    const std::vector<std::string> texts = SampleTexts();
    std::mt19937 random(4242);
    FittedHeightCache cache;
    int compared = 0;
    for (const std::string& face : faces) {
        for (std::size_t t = 0; t < texts.size(); ++t) {
            const std::vector<std::string> lines = SplitAtCarriageReturns(texts[t]);
            for (int r = 0; r < 3; ++r) {
                // Mostly preview-sized rectangles, some page-sized, some degenerate.
                const int kind = static_cast<int>(random() % 10);
                std::int32_t width = static_cast<std::int32_t>(random() % 160);
                std::int32_t height = static_cast<std::int32_t>(random() % 90);
                if (kind == 0) {
                    width = 200 + static_cast<std::int32_t>(random() % 400);
                    height = 100 + static_cast<std::int32_t>(random() % 200);
                } else if (kind == 1) {
                    width -= 80;
                    height -= 45;
                }
                const int linear = ReferenceFittedHeight(surface.dc(), texts[t], face, width, height);
                const int fast = FindFittedHeightFast(surface.dc(), ReadDeviceDescription(surface.dc()),
                                                      texts[t], lines, face, width, height, cache);
                ASSERT_EQ(fast, linear) << face << " text " << t << " in " << width << " x " << height;
                // And again from the cache.
                ASSERT_EQ(FindFittedHeightFast(surface.dc(), ReadDeviceDescription(surface.dc()), texts[t],
                                               lines, face, width, height, cache),
                          linear);
                ++compared;
            }
        }
    }
    EXPECT_EQ(compared, static_cast<int>(faces.size() * texts.size() * 3));
}

// Every height of one text in growing rectangles: any skipped height or wrong advance would show.
TEST(FittedTextSearchTest, FastSearchAgreesAtEveryRectangleSize) {
    DibSurface surface(10, 10);
    const std::string text = "Mr && Mrs J. Q. Public\r\n1 The Street\r\nVILLAGE";
    const std::vector<std::string> lines = SplitAtCarriageReturns(text);
    FittedHeightCache cache;
    for (std::int32_t width = 1; width < 400; width += 7) {
        const std::int32_t height = width / 2;
        ASSERT_EQ(FindFittedHeightFast(surface.dc(), ReadDeviceDescription(surface.dc()), text, lines,
                                       "Tahoma", width, height, cache),
                  ReferenceFittedHeight(surface.dc(), text, "Tahoma", width, height))
            << width << " x " << height;
    }
    // A face whose cell is shorter than the font at some heights (Tahoma under Wine, at 15) fits such a
    // height in a box lower than the font.
    const Font font = CreateFittedFont("Tahoma", 15);
    const ScopedSelection selection(surface.dc(), font.Get());
    SIZE cell{};
    GetTextExtentPoint32A(surface.dc(), "X", 1, &cell);
    if (cell.cy <= 14) {
        EXPECT_EQ(FindFittedHeightFast(surface.dc(), ReadDeviceDescription(surface.dc()), "X", {"X"},
                                       "Tahoma", 100, 14, cache),
                  15);
    }
}

// The default printer's device context, when the Wine prefix has a printer.
OwnedDC DefaultPrinter() {
    char name[256] = {};
    DWORD size = sizeof name;
    if (!GetDefaultPrinterA(name, &size))
        return OwnedDC();
    return OwnedDC(CreateDCA("WINSPOOL", name, nullptr, nullptr));
}

// The printed page must get the heights of the definition too; a printer driver measures through its own
// path, so its advances are checked as well as the screen's.
TEST(FittedTextSearchTest, FastSearchFindsTheLinearHeightOnThePrinter) {
    const OwnedDC printer = DefaultPrinter();
    if (!printer.Get())
        GTEST_SKIP() << "no printer in this Wine prefix";
    const DeviceDescription device = ReadDeviceDescription(printer.Get());
    EXPECT_EQ(device.technology, DT_RASPRINTER);
    const std::vector<std::string> texts = SampleTexts();
    std::mt19937 random(77);
    FittedHeightCache cache;
    for (const std::string& face : {std::string("Tahoma"), std::string("Liberation Serif")}) {
        for (std::size_t t = 0; t < texts.size(); t += 2) {
            const std::vector<std::string> lines = SplitAtCarriageReturns(texts[t]);
            const std::int32_t width = 50 + static_cast<std::int32_t>(random() % 600);
            const std::int32_t height = 20 + static_cast<std::int32_t>(random() % 250);
            ASSERT_EQ(
                FindFittedHeightFast(printer.Get(), device, texts[t], lines, face, width, height, cache),
                ReferenceFittedHeight(printer.Get(), texts[t], face, width, height))
                << face << " text " << t << " in " << width << " x " << height;
        }
    }
}

TEST(FittedTextSearchTest, TheCacheTellsDevicesApart) {
    // The same text and rectangle on a device context that maps two logical units to one device unit:
    // extents in logical units double, so the fitted height differs, and a shared cache must not mix them.
    DibSurface plain(10, 10);
    DibSurface scaled(10, 10);
    SetMapMode(scaled.dc(), MM_ANISOTROPIC);
    SetWindowExtEx(scaled.dc(), 2, 2, nullptr);
    SetViewportExtEx(scaled.dc(), 1, 1, nullptr);
    const std::string text = "Some Address\r\nTOWN";
    const std::vector<std::string> lines = SplitAtCarriageReturns(text);
    FittedHeightCache cache;
    const int onPlain = FindFittedHeightFast(plain.dc(), ReadDeviceDescription(plain.dc()), text, lines,
                                             "Tahoma", 200, 100, cache);
    const int onScaled = FindFittedHeightFast(scaled.dc(), ReadDeviceDescription(scaled.dc()), text, lines,
                                              "Tahoma", 200, 100, cache);
    EXPECT_EQ(onPlain, FindFittedHeightLinear(plain.dc(), lines, "Tahoma", 200, 100));
    EXPECT_EQ(onScaled, FindFittedHeightLinear(scaled.dc(), lines, "Tahoma", 200, 100));
    EXPECT_NE(onPlain, onScaled);
}

TEST(FittedTextSearchTest, AnAdvanceTableThatMeasuresWronglyIsGivenUp) {
    // Justification widens each space in the platform's measure but not in a character's advance: the
    // summed advances are wrong, and the search must notice and measure directly.
    DibSurface surface(10, 10);
    SetTextJustification(surface.dc(), 40, 1);
    const std::string text = "a b c\r\nd e";
    const std::vector<std::string> lines = SplitAtCarriageReturns(text);
    FittedHeightCache cache;
    const int linear = FindFittedHeightLinear(surface.dc(), lines, "Tahoma", 120, 200);
    EXPECT_EQ(FindFittedHeightFast(surface.dc(), ReadDeviceDescription(surface.dc()), text, lines, "Tahoma",
                                   120, 200, cache),
              linear);
    SetTextJustification(surface.dc(), 0, 0);
    EXPECT_GT(FindFittedHeightLinear(surface.dc(), lines, "Tahoma", 120, 200), linear);
}

TEST(FittedTextSearchTest, DegenerateRectanglesGiveHeightOne) {
    DibSurface surface(10, 10);
    const std::vector<std::string> lines = SplitAtCarriageReturns("text");
    EXPECT_EQ(FindFittedHeightLinear(surface.dc(), lines, "Tahoma", 0, 50), 1);
    EXPECT_EQ(FindFittedHeightLinear(surface.dc(), lines, "Tahoma", 50, -3), 1);
    // Empty lines only never outgrow a width; the rectangle's height bounds them.
    EXPECT_EQ(FindFittedHeightLinear(surface.dc(), SplitAtCarriageReturns("\r"), "Tahoma", 50, 30), 30);
}

TEST(FontCacheTest, KeepsFontsAndNeverDeletesTheSelectedOne) {
    FontCache fonts;
    const HFONT first = fonts.Get("Tahoma", 10);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(fonts.Get("Tahoma", 10), first);
    EXPECT_NE(fonts.Get("Tahoma", 11), first);
    EXPECT_NE(fonts.Get("Liberation Serif", 10), first);
    for (int h = 12; fonts.Size() < FontCache::kMaxFonts; ++h)
        fonts.Get("Tahoma", h);

    // Full: the next new font empties the cache, all but the font still selected.
    DibSurface surface(10, 10);
    const ScopedSelection selection(surface.dc(), first);
    const HFONT other = fonts.Get("Tahoma", 11);
    fonts.Get("Tahoma", 500, first);
    EXPECT_EQ(fonts.Size(), 2u);
    EXPECT_EQ(fonts.Get("Tahoma", 10), first);
    LOGFONTA font{};
    EXPECT_EQ(GetObjectA(first, sizeof font, &font), static_cast<int>(sizeof font));
    EXPECT_EQ(font.lfHeight, 10);
    // An unselected font is deleted (its handle may since name the new font, never height 11 again).
    font = LOGFONTA{};
    EXPECT_TRUE(GetObjectA(other, sizeof font, &font) == 0 || font.lfHeight != 11);
}

TEST(FittedTextDrawingTest, DoubledAmpersandShowsAsOne) {
    const DeviceRect rect{5, 5, 195, 95};
    DibSurface fitted(200, 100);
    Canvas canvas;
    canvas.SetDeviceContext(fitted.dc());
    canvas.FittedText("A&&B", "Tahoma", rect, kBlack, kWhite, TextAlignment::Left);

    // The same height, drawn by the platform with the ampersand taken literally.
    const int height = FindFittedHeightLinear(fitted.dc(), SplitAtCarriageReturns("A&&B"), "Tahoma",
                                              rect.Width(), rect.Height());
    DibSurface literal(200, 100);
    const Font font = CreateFittedFont("Tahoma", height);
    const ScopedSelection selection(literal.dc(), font.Get());
    RECT area{rect.left, rect.top, rect.right, rect.bottom};
    DrawTextA(literal.dc(), "A&B", 3, &area, DT_LEFT | DT_VCENTER | DT_NOPREFIX);
    EXPECT_TRUE(fitted.SameAs(literal));
    EXPECT_GT(fitted.CountOther(fitted.Whole(), kWhite), 0);
}

TEST(FittedTextDrawingTest, LinesStartAtTheTopAndStayInTheRectangle) {
    const DeviceRect rect{20, 30, 180, 130};
    for (const TextAlignment alignment : {TextAlignment::Left, TextAlignment::Right}) {
        DibSurface surface(200, 200);
        Canvas canvas;
        canvas.SetDeviceContext(surface.dc());
        canvas.FittedText("First line\r\nsecond", "Tahoma", rect, kBlack, 0x00EEEEEE, alignment);
        const DeviceRect painted = surface.BoundsOfOther(surface.Whole(), kWhite);
        EXPECT_EQ(painted.top, rect.top);  // opaque cells start at the top: no vertical centring
        EXPECT_GE(painted.left, rect.left);
        EXPECT_LE(painted.right, rect.right);
        EXPECT_LE(painted.bottom, rect.bottom);
        if (alignment == TextAlignment::Right) {
            EXPECT_EQ(painted.right, rect.right);
        } else {
            EXPECT_EQ(painted.left, rect.left);
        }
    }
}

TEST(FittedTextDrawingTest, LinearAndFastDrawTheSamePicture) {
    const std::string text = "Smith && Sons Ltd\r\nUnit 4, The Old Mill\r\nLONG EATON\r\nNG10 1AB";
    DibSurface linear(300, 200);
    DibSurface fast(300, 200);
    Canvas canvas;
    canvas.UseLinearTextSearch(true);
    canvas.SetDeviceContext(linear.dc());
    canvas.FittedText(text, "Tahoma", {3, 4, 290, 190}, kBlack, kWhite, TextAlignment::Left);
    canvas.UseLinearTextSearch(false);
    canvas.SetDeviceContext(fast.dc());
    canvas.FittedText(text, "Tahoma", {3, 4, 290, 190}, kBlack, kWhite, TextAlignment::Left);
    EXPECT_TRUE(linear.SameAs(fast));
}

TEST(FittedTextDrawingTest, SeveralTextsDrawAsEachAlone) {
    const std::string face = "Tahoma";
    const std::string address = "Smith && Sons\r\nHigh St";
    const std::string sender = "Sender\xBB";
    DibSurface together(200, 120);
    DibSurface alone(200, 120);
    Canvas canvas;
    canvas.SetDeviceContext(together.dc());
    canvas.FittedTexts({{address, face, {2, 2, 198, 70}, 0x000000FF, kWhite, TextAlignment::Left},
                        {sender, face, {2, 75, 100, 118}, 0x00FF0000, 0x00EEEEEE, TextAlignment::Right}});
    canvas.SetDeviceContext(alone.dc());
    canvas.FittedText(address, face, {2, 2, 198, 70}, 0x000000FF, kWhite, TextAlignment::Left);
    canvas.FittedText(sender, face, {2, 75, 100, 118}, 0x00FF0000, 0x00EEEEEE, TextAlignment::Right);
    EXPECT_TRUE(together.SameAs(alone));
    EXPECT_GT(together.CountEqual(together.Whole(), 0x00EEEEEE), 0);
}

TEST(FittedTextDrawingTest, EmptyTextDrawsNothing) {
    DibSurface surface(50, 50);
    Canvas canvas;
    canvas.SetDeviceContext(surface.dc());
    canvas.FittedText("", "Tahoma", {0, 0, 50, 50}, kBlack, 0x00123456, TextAlignment::Left);
    EXPECT_EQ(surface.CountOther(surface.Whole(), kWhite), 0);
}

}  // namespace
}  // namespace tagmora
