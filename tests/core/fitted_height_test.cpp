#include "render/fitted_height.h"

#include <gtest/gtest.h>

#include <map>

#include "model/text_helpers.h"

namespace tagmora {
namespace {

using Lines = std::vector<std::string>;

TEST(SplitAtCarriageReturnsTest, BreaksAtEveryCarriageReturnAndKeepsTheLineFeeds) {
    EXPECT_EQ(SplitAtCarriageReturns("one"), (Lines{"one"}));
    EXPECT_EQ(SplitAtCarriageReturns("one\r\ntwo\r\nthree"), (Lines{"one", "\ntwo", "\nthree"}));
    EXPECT_EQ(SplitAtCarriageReturns("one\r\n"), (Lines{"one", "\n"}));
    EXPECT_EQ(SplitAtCarriageReturns("one\r"), (Lines{"one", ""}));
    EXPECT_EQ(SplitAtCarriageReturns("\r\r"), (Lines{"", "", ""}));
    EXPECT_EQ(SplitAtCarriageReturns("a\nb"), (Lines{"a\nb"}));
    EXPECT_EQ(SplitAtCarriageReturns(""), (Lines{""}));
}

// A made-up font: every byte is (h x 6 + 5) / 10 wide, a line with characters h + 1 high, an empty line
// nothing; widths can be bent at chosen heights to imitate a hinted face.
struct FakeFont {
    std::map<int, int> extraWidth;  // h -> pixels added to every line
    std::map<int, int> cellHeight;  // h -> line height, where it is not h + 1
    TextExtent Measure(int h, const std::string& line) const {
        std::int32_t width = static_cast<std::int32_t>(line.size()) * ((h * 6 + 5) / 10);
        const auto bend = extraWidth.find(h);
        if (bend != extraWidth.end() && !line.empty())
            width += bend->second;
        if (line.empty())
            return {width, 0};
        const auto cell = cellHeight.find(h);
        return {width, cell == cellHeight.end() ? h + 1 : cell->second};
    }
    int Search(const Lines& lines, std::int32_t width, std::int32_t height, int* measured = nullptr) const {
        return SearchFittedHeight([&](int h) {
            return LinesFitAt(h, lines, width, height, [&](const std::string& line) {
                if (measured)
                    ++*measured;
                return Measure(h, line);
            });
        });
    }
};

TEST(FittedHeightSearchTest, LargestHeightAtWhichEveryLineFits) {
    const FakeFont font;
    // Three lines of 10 characters: height-bound at 3 x (h + 1) <= 60, i.e. h = 19; width-bound at
    // 10 x trunc((6h + 5) / 10) <= 80, i.e. h = 14.
    EXPECT_EQ(font.Search({"0123456789", "0123456789", "0123456789"}, 1000, 60), 19);
    EXPECT_EQ(font.Search({"0123456789", "0123456789", "0123456789"}, 80, 1000), 14);
    // A longer line can only lower the height.
    EXPECT_EQ(font.Search({"0123456789", "0123456789", "0123456789", "0123456789012"}, 80, 1000), 10);
}

TEST(FittedHeightSearchTest, TheFirstFailingHeightDecidesEvenIfLargerOnesFitAgain) {
    FakeFont font;
    font.extraWidth[7] = 50;  // only height 7 is too wide
    EXPECT_EQ(font.Search({"abcde"}, 60, 1000), 6);
    font.extraWidth[1] = 100;
    EXPECT_EQ(font.Search({"abcde"}, 60, 1000), 1);
}

TEST(FittedHeightSearchTest, NothingFitsGivesOne) {
    const FakeFont font;
    EXPECT_EQ(font.Search({"abc"}, 0, 100), 1);
    EXPECT_EQ(font.Search({"abc"}, -5, -5), 1);
}

TEST(FittedHeightSearchTest, OnlyLinesOfNoHeightAreStoppedByTheRectangle) {
    FakeFont font;
    // A face whose cell is shorter than the font at some heights fits such a height even where the font is
    // taller than the rectangle.
    font.cellHeight = {{14, 14}, {15, 14}};
    EXPECT_EQ(font.Search({"X"}, 100, 14), 15);
    // Empty lines have no width or height: only the rectangle's height stops them.
    EXPECT_EQ(font.Search({"", ""}, 100, 40), 40);
    EXPECT_EQ(font.Search({""}, 100, 0), 1);
    // An absurd rectangle ends the search at the largest font.
    EXPECT_EQ(font.Search({""}, 100, 2000000000), kMaxFittedHeight);
}

TEST(FittedHeightSearchTest, StopsMeasuringAtTheFirstFailingLine) {
    const FakeFont font;
    int measured = 0;
    LinesFitAt(5, {"much too wide a line", "b", "c"}, 10, 100, [&](const std::string& line) {
        ++measured;
        return font.Measure(5, line);
    });
    EXPECT_EQ(measured, 1);
}

TEST(FontMetricsTableTest, MeasuresLinesFromStoredAdvances) {
    FontMetricsTable table;
    const FontMetricsTable::ByteSet needed = FontMetricsTable::BytesOf("ab\n");
    EXPECT_FALSE(table.Covers(3, needed));
    table.StoreLineHeights(3, 4, 0);
    table.StoreAdvance(3, 'a', 2);
    table.StoreAdvance(3, 'b', 3);
    EXPECT_FALSE(table.Covers(3, needed));
    EXPECT_EQ(table.Missing(3, needed), FontMetricsTable::BytesOf("\n"));
    table.StoreAdvance(3, '\n', 1);
    EXPECT_TRUE(table.Covers(3, needed));
    EXPECT_FALSE(table.Covers(2, needed));
    EXPECT_EQ(table.Measure(3, "\nabba").width, 1 + 2 + 3 + 3 + 2);
    EXPECT_EQ(table.Measure(3, "\nabba").height, 4);
    EXPECT_EQ(table.Measure(3, "").height, 0);
    table.StoreAdvance(3, static_cast<unsigned char>('\xBB'), 7);
    EXPECT_EQ(table.Measure(3, "\xBB").width, 7);
}

TEST(FittedHeightCacheTest, KeysOnDeviceFaceRectangleAndText) {
    FittedHeightCache cache;
    DeviceKey screen;
    screen.values[2] = 96;
    DeviceKey printer;
    printer.values[2] = 600;
    cache.StoreHeight(screen, "Tahoma", 100, 50, "text", 12);
    EXPECT_EQ(cache.FindHeight(screen, "Tahoma", 100, 50, "text"), 12);
    EXPECT_EQ(cache.FindHeight(printer, "Tahoma", 100, 50, "text"), 0);
    EXPECT_EQ(cache.FindHeight(screen, "Arial", 100, 50, "text"), 0);
    EXPECT_EQ(cache.FindHeight(screen, "Tahoma", 101, 50, "text"), 0);
    EXPECT_EQ(cache.FindHeight(screen, "Tahoma", 100, 51, "text"), 0);
    EXPECT_EQ(cache.FindHeight(screen, "Tahoma", 100, 50, "text "), 0);

    cache.Table(screen, "Tahoma").StoreLineHeights(1, 1, 0);
    EXPECT_TRUE(cache.Table(screen, "Tahoma").HasLineHeights(1));
    EXPECT_FALSE(cache.Table(printer, "Tahoma").HasLineHeights(1));
    cache.Clear();
    EXPECT_EQ(cache.FindHeight(screen, "Tahoma", 100, 50, "text"), 0);
    EXPECT_FALSE(cache.Table(screen, "Tahoma").HasLineHeights(1));
}

TEST(FittedHeightCacheTest, StaysBounded) {
    FittedHeightCache cache;
    const DeviceKey device;
    for (int i = 0; i < 3 * static_cast<int>(FittedHeightCache::kMaxHeights); ++i) {
        cache.StoreHeight(device, "Tahoma", i, 10, "t", 5);
        ASSERT_LE(cache.HeightCount(), FittedHeightCache::kMaxHeights);
    }
    // The newest height is always kept.
    EXPECT_EQ(
        cache.FindHeight(device, "Tahoma", 3 * static_cast<int>(FittedHeightCache::kMaxHeights) - 1, 10, "t"),
        5);
}

}  // namespace
}  // namespace tagmora
