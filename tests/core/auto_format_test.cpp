#include "dialogs/auto_format.h"

#include <gtest/gtest.h>

namespace tagmora {
namespace {

TEST(AutoFormat, TidiesTheWorkedAddresses) {
    struct Case {
        const char* before;
        const char* after;
    };
    const Case cases[] = {
        {"mr a sample, 42 example road, sometown, ab1 2cd",
         "Mr A Sample\r\n42 Example Road\r\nSometown\r\nAB1 2CD"},
        {"  jane  doe,,flat 3b, 1st floor,\r\nnew town,\r\n", "Jane Doe\r\nFlat 3B\r\n1ST Floor\r\nNew Town"},
        {"a sample\r\n\r\n\r\n1 some street", "A Sample\r\n\r\n1 Some Street"},
        {"a,b\r\n\r\n\r\n\r\nc", "A\r\nB\r\n\r\nC"},
        {"12-14 high st., po box 7", "12-14 High St.\r\nPo Box 7"},
        {"JOHN mACDONALD\r\nzz9 9zz", "JOHN MACDONALD\r\nZZ9 9ZZ"},
        {"x", "X"},
        {",", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.after, AutoFormat(c.before)) << c.before;
}

TEST(AutoFormat, HalvesRunsOfLineBreaksOncePerPress) {
    auto breaks = [](int n) {
        std::string s;
        for (int i = 0; i < n; ++i)
            s += "\r\n";
        return s;
    };
    for (int m = 1; m <= 6; ++m) {
        EXPECT_EQ("A" + breaks(m - m / 2) + "B", AutoFormat("a" + breaks(m) + "b")) << m;
    }
    // Pressing again keeps halving what is still doubled, and changes nothing else.
    const std::string once = AutoFormat("a" + breaks(5) + "b");
    EXPECT_EQ("A" + breaks(2) + "B", AutoFormat(once));
    EXPECT_EQ(AutoFormat("mr a sample, 42 road"), AutoFormat(AutoFormat("mr a sample, 42 road")));
}

TEST(AutoFormat, LeavesTabsAndHighCharactersAlone) {
    EXPECT_EQ("\tx Y", AutoFormat("\tx y"));
    EXPECT_EQ("\xE9tage", AutoFormat("\xE9tage"));  // a first letter above 127 is not capitalised
}

TEST(AutoFormat, UsesTheGivenUpperCasingForMixedTokens) {
    int calls = 0;
    const auto upper = [&calls](std::string& token) {
        ++calls;
        UpperCaseAscii(token);
        for (char& c : token) {
            if (c == '\xFC')
                c = '\xDC';  // u with diaeresis in code page 1252
        }
    };
    EXPECT_EQ(
        "\xDC"
        "B1 Road",
        AutoFormat("\xFC"
                   "b1 road",
                   upper));
    EXPECT_EQ(1, calls);
}

TEST(AutoFormat, KeepsEveryTokenOfAVeryLongAddress) {
    std::string text;
    std::string expected;
    for (int i = 0; i < 600; ++i) {
        text += "word" + std::to_string(i % 10) + " " + "street ";
        expected += "WORD" + std::to_string(i % 10) + " " + "Street ";
    }
    text += "end";
    expected += "End";
    EXPECT_EQ(expected, AutoFormat(text));
}

TEST(Ampersands, AreHalvedForTheUserAndDoubledForTheLabel) {
    EXPECT_EQ("Smith & Sons", HalveAmpersands("Smith && Sons"));
    EXPECT_EQ("Smith && Sons", DoubleAmpersands("Smith & Sons"));
    EXPECT_EQ("A && B", DoubleAmpersands(HalveAmpersands("A && B")));
    EXPECT_EQ("&&&&", DoubleAmpersands("&&"));
    EXPECT_EQ("", HalveAmpersands(""));
}

}  // namespace
}  // namespace tagmora
