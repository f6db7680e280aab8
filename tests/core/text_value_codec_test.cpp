#include "model/text_value_codec.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/variant_time.h"

namespace tagmora::text_value_codec {
namespace {

TEST(ReadIntegerByKey, FindsTheValueAfterTheFirstOccurrence) {
    EXPECT_EQ(12, ReadIntegerByKey("ROWS=4\nCOLS=12\n", "COLS=", 7).value);
    EXPECT_EQ(-1, ReadIntegerByKey("DLGX=-1\n", "DLGX=", 5).value);
    EXPECT_EQ(5, ReadIntegerByKey("X=  +5abc\n", "X=", 0).value);

    const auto empty = ReadIntegerByKey("COLS=\n", "COLS=", 7);
    EXPECT_TRUE(empty.found);
    EXPECT_EQ(0, empty.value);

    const auto missing = ReadIntegerByKey("ROWS=4\n", "COLS=", 7);
    EXPECT_FALSE(missing.found);
    EXPECT_EQ(7, missing.value);
}

TEST(ReadIntegerByKey, AKeyDoesNotMatchInsideALongerKey) {
    EXPECT_FALSE(ReadIntegerByKey("COLSPC=2\n", "COLS=", 9).found);
    EXPECT_EQ(3, ReadIntegerByKey("COLSPC=2\nCOLS=3\n", "COLS=", 9).value);
}

TEST(ReadIntegerByKey, ValueEndsAtTheFirstCommaAnywhereElseAtTheLineFeed) {
    // The comma may lie lines further on: only the leading number counts.
    EXPECT_EQ(1, ReadIntegerByKey("BDON=1\n<DEST0>a, b</DEST0>", "BDON=", 0).value);
    EXPECT_EQ(0, ReadIntegerByKey("WMM=210", "WMM=", 99).value);  // neither comma nor line feed follows
    EXPECT_EQ(210, ReadIntegerByKey("WMM=210\r\n", "WMM=", 99).value);
}

TEST(ReadIntegerByKey, HugeNumbersStopAtTheLimits) {
    EXPECT_EQ(2147483647, ReadIntegerByKey("N=99999999999999999999\n", "N=", 0).value);
    EXPECT_EQ(-2147483647 - 1, ReadIntegerByKey("N=-2147483648\n", "N=", 0).value);
    EXPECT_EQ(-2147483647 - 1, ReadIntegerByKey("N=-99999999999\n", "N=", 0).value);
}

TEST(ReadFlagByKey, IsOnForAnyNonZeroNumber) {
    EXPECT_TRUE(ReadFlagByKey("F=2\n", "F=", false).value);
    EXPECT_FALSE(ReadFlagByKey("F=0\n", "F=", true).value);
    EXPECT_TRUE(ReadFlagByKey("", "F=", true).value);
}

TEST(ExtractSection, TakesTheTextBetweenTheFirstTagsExactly) {
    EXPECT_EQ(" a\r\nb ", ExtractSection("<X> a\r\nb </X>", "<X>", "</X>"));
    EXPECT_EQ("one", ExtractSection("<DEST10>ten</DEST10><DEST1>one</DEST1>", "<DEST1>", "</DEST1>"));
    EXPECT_EQ("", ExtractSection("<FONT>Tahoma", "<FONT>", "</FONT>"));
    EXPECT_EQ("", ExtractSection("Tahoma</FONT>", "<FONT>", "</FONT>"));
    // The closing tag is searched after the opening one.
    EXPECT_EQ("b", ExtractSection("</X><X>b</X>", "<X>", "</X>"));
}

TEST(ColourText, WritesEightCapitalDigitsAndReadsThemBack) {
    EXPECT_EQ("000000FF", ColourToText(255));
    EXPECT_EQ("00ABCDEF", ColourToText(0x00ABCDEF));
    EXPECT_EQ(255u, HexTextToColour("000000FF"));
    EXPECT_EQ(255u, HexTextToColour("FF"));
    EXPECT_EQ(0u, HexTextToColour(""));
    EXPECT_EQ(0xDEADBEEFu, HexTextToColour("1234DEADBEEF"));  // only the last eight digits fit
}

TEST(TextToReal, ReadsTheLeadingNumber) {
    EXPECT_DOUBLE_EQ(3.32, TextToReal("3.32"));
    EXPECT_DOUBLE_EQ(3.4, TextToReal(" 3.4 trailing"));
    EXPECT_EQ(0.0, TextToReal("no digits"));
    EXPECT_EQ(0.0, TextToReal(""));
    // A decimal number only: strtod alone would read these as 4, infinity and not-a-number.
    EXPECT_EQ(0.0, TextToReal("0x4"));
    EXPECT_EQ(0.0, TextToReal(" inf"));
    EXPECT_EQ(0.0, TextToReal("nan"));
    EXPECT_DOUBLE_EQ(-250.0, TextToReal("-2.5e2x"));
    EXPECT_DOUBLE_EQ(5.0, TextToReal("5e+"));
}

TEST(Trim, RemovesTheWhiteSpaceClass) {
    EXPECT_EQ("a b", Trim(" \t\r\n\v\fa b\f\v\n\r\t "));
    EXPECT_EQ("", Trim(" \r\n"));
}

double VariantOf(int year, int month, int day, int hour, int minute, int second) {
    return *CalendarToVariantTime(CalendarTime{year, month, day, hour, minute, second});
}

TEST(DateAndTimeText, FormatThePlatformsCalendarFields) {
    const double job = VariantOf(2026, 12, 7, 14, 5, 9);
    EXPECT_EQ("7-12-2026", DateText(job, false));
    EXPECT_EQ("14-05-09", TimeText(job, false));
    EXPECT_EQ("7-3-2006", DateText(VariantOf(2006, 3, 7, 9, 5, 0), false));
    EXPECT_EQ("09-05-00", TimeText(VariantOf(2006, 3, 7, 9, 5, 0), false));
    // Around the epoch, and before it, where the fraction still counts forward into the day.
    EXPECT_EQ("30-12-1899", DateText(0.0, false));
    EXPECT_EQ("1-1-1900", DateText(2.5, false));
    EXPECT_EQ("12-00-00", TimeText(2.5, false));
    EXPECT_EQ("29-12-1899", DateText(-1.25, false));
    EXPECT_EQ("06-00-00", TimeText(-1.25, false));
}

TEST(DateAndTimeText, AreMinusOneWhenInvalidOrOutOfRange) {
    EXPECT_EQ("-1--1--1", DateText(45000.0, true));
    EXPECT_EQ("-1--1--1", TimeText(45000.0, true));
    EXPECT_EQ("-1--1--1", DateText(1e12, false));
    EXPECT_EQ("-1--1--1", TimeText(std::nan(""), false));
}

}  // namespace
}  // namespace tagmora::text_value_codec
