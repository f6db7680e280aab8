// Exact lengths in the setup file and the true-size layout's arithmetic. The messages before a true-size
// page are proven where the user meets them, by the real program (tests/acceptance).
#include <gtest/gtest.h>

#include <string>

#include "model/exact_lengths.h"
#include "model/setup_file.h"
#include "model/text_value_codec.h"
#include "model/working_folder.h"
#include "render/true_size_layout.h"

namespace tagmora {
namespace {

// The common A4 sheet of 21 labels, 63.5 x 38.1 mm, as a catalogue gives it.
ExactGeometry TwentyOneLabels() {
    ExactGeometry g;
    g.COLS = 3;
    g.ROWS = 7;
    g.WMM = 21000;
    g.HMM = 29700;
    g.COLSPC = 250;
    g.ROWSPC = 0;
    g.TOPMRG = 1515;
    g.LFTMRG = 720;
    g.RGTMRG = 730;
    g.BOTMRG = 1515;
    return g;
}

LabelSheet TrueSizeSheet(const ExactGeometry& g) {
    LabelSheet sheet;
    ApplyExactGeometry(sheet.MutableSettings(), g, true);
    return sheet;
}

TEST(TrueSizeFileTest, ExactLengthsAndTrueSizeFollowOnOffAndAnOldReaderGetsTheRoundedSheet) {
    SetWorkingFolder("C:\\Labels\\");
    const LabelSheet sheet = TrueSizeSheet(TwentyOneLabels());
    const std::string text = WriteSetupFile(sheet);
    const std::string tail =
        "</ONOF>\nTRUESIZE=1\n<EXACT>wmm=21000 hmm=29700 colspc=250 rowspc=0 topmrg=1515 "
        "lftmrg=720 rgtmrg=730 botmrg=1515</EXACT>\n";
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(tail, text.substr(text.size() - tail.size()));
    EXPECT_NE(std::string::npos, text.find("\nTOPMRG=15\nLFTMRG=7\nRGTMRG=7\nBOTMRG=15\n"));

    LabelSheet back;
    ReadSetupFile(text, back);
    EXPECT_EQ(sheet, back);
    EXPECT_EQ(1515, back.Settings().exactTOPMRG);
    EXPECT_TRUE(back.Settings().TRUESIZE);

    // Read by the older rules alone, the keys are the rounded sheet: nothing in the new lines is found as a
    // key or a tag of theirs.
    const std::string oldPart = text.substr(0, text.size() - tail.size()) + "</ONOF>\n";
    for (const SheetField& field : kSheetFields) {
        if (field.kind == FieldKind::Number) {
            const std::string key = std::string(field.key) + "=";
            EXPECT_EQ(text_value_codec::ReadIntegerByKey(oldPart, key, -7).value,
                      text_value_codec::ReadIntegerByKey(text, key, -7).value)
                << key;
        }
    }
    LabelSheet rounded;
    ReadSetupFile(oldPart, rounded);
    EXPECT_FALSE(rounded.Settings().TRUESIZE);
    EXPECT_EQ(1500, rounded.Settings().exactTOPMRG);
    EXPECT_EQ(7, rounded.Settings().LFTMRG);

    // Whole lengths write no section; true size off writes no line.
    LabelSheet whole = rounded;
    whole.MutableSettings().TRUESIZE = true;
    EXPECT_EQ(WriteSetupFile(rounded) + "TRUESIZE=1\n", WriteSetupFile(whole));
}

TEST(TrueSizeFileTest, ABadExactValueOrOneThatNoLongerRoundsToItsKeyFallsBackToTheKey) {
    const std::string keys = "WMM=216\nHMM=279\nCOLSPC=3\nTOPMRG=15\nLFTMRG=7\nRGTMRG=4\nBOTMRG=-2\n";
    LabelSheet sheet;
    ReadSetupFile(keys +
                      "<EXACT>wmm=21550 hmm=27940x colspc= topmrg=1550 lftmrg=720 lftmrg=740 "
                      "rgtmrg=-400 botmrg=-249\r\nrowspc=40</EXACT>\n",
                  sheet);
    const ExactGeometry g = CurrentExactGeometry(sheet.Settings());
    EXPECT_EQ(21550, g.WMM);    // halves away from zero: 215.5 is 216
    EXPECT_EQ(27900, g.HMM);    // malformed
    EXPECT_EQ(300, g.COLSPC);   // empty
    EXPECT_EQ(1500, g.TOPMRG);  // 15.5 rounds to 16, not 15: the key was changed by hand
    EXPECT_EQ(720, g.LFTMRG);   // the first counts
    EXPECT_EQ(400, g.RGTMRG);   // -4 is not 4
    EXPECT_EQ(-249, g.BOTMRG);  // halves away from zero: -2.49 is -2
    EXPECT_EQ(40, g.ROWSPC);    // a missing key is its default, 0, and 0.4 rounds to it
    // Beyond the physical range the key stands, as it does for the keys themselves.
    ReadSetupFile("WMM=10000\nLFTMRG=-10000\n<EXACT>wmm=1000040 lftmrg=-1000001</EXACT>", sheet);
    EXPECT_EQ(1000000, ExactLength(sheet.Settings(), SheetFieldByKey("WMM")));
    EXPECT_EQ(-1000000, ExactLength(sheet.Settings(), SheetFieldByKey("LFTMRG")));
    EXPECT_EQ("15.15", LengthText(1515));
    EXPECT_EQ("-0.5", LengthText(-50));
    EXPECT_EQ("210", LengthText(21000));
}

TEST(TrueSizeLayoutTest, LabelEdgesLieAtTheirExactPlaceOnThePaperRoundedToTheNearestDot) {
    // 300 dpi, the printable area 75 dots into the paper: x dots = mm / 25.4 x 300 - 75.
    const LabelSheet sheet = TrueSizeSheet(TwentyOneLabels());
    const SheetLayout layout = LayOutTrueSize(sheet.Settings(), PrinterPaperMapping(300, 300, 75, 75));
    ASSERT_EQ(21, layout.count);
    const auto dots = [](double mm) { return static_cast<int>(mm / 25.4 * 300 + 0.5) - 75; };
    for (int slot = 0; slot < 21; ++slot) {
        const double left = 7.2 + (slot % 3) * 66.0;
        const double top = 15.15 + (slot / 3) * 38.1;
        const DeviceRect& r = layout.slots[static_cast<std::size_t>(slot)].label;
        EXPECT_EQ(dots(left), r.left) << slot;
        EXPECT_EQ(dots(left + 63.5), r.right) << slot;
        EXPECT_EQ(dots(top), r.top) << slot;
        EXPECT_EQ(dots(top + 38.1), r.bottom) << slot;
    }
    EXPECT_FLOAT_EQ(300 / 25.4f, layout.slots[0].xScale);

    // 254 dpi is ten dots a millimetre: 0.15 mm is 1.5 dots and rounds up, also where the paper's corner
    // makes it -73.5.
    ExactGeometry g = TwentyOneLabels();
    g.LFTMRG = 15;
    g.TOPMRG = 25;
    const SheetLayout halves =
        LayOutTrueSize(TrueSizeSheet(g).Settings(), PrinterPaperMapping(254, 254, 75, 0));
    EXPECT_EQ(-73, halves.slots[0].label.left);
    EXPECT_EQ(3, halves.slots[0].label.top);
}

TEST(TrueSizeLayoutTest, AnInchProductAndASixteenRowSheetLandWithinADotOnTheirPrinters) {
    // Letter labels of 2 5/8 x 1 inch, 3 x 10, from 3/16 inch left and 1/2 inch top with 1/8 inch between
    // the columns, on a 600-dpi printer whose printable area starts 100 and 200 dots in.
    ExactGeometry inch;
    inch.COLS = 3;
    inch.ROWS = 10;
    inch.WMM = 21590;
    inch.HMM = 27940;
    inch.COLSPC = 318;
    inch.ROWSPC = 0;
    inch.LFTMRG = 476;
    inch.RGTMRG = 476;
    inch.TOPMRG = 1270;
    inch.BOTMRG = 1270;
    const SheetLayout letter =
        LayOutTrueSize(TrueSizeSheet(inch).Settings(), PrinterPaperMapping(600, 600, 100, 200));
    ASSERT_EQ(30, letter.count);
    for (int slot = 0; slot < 30; ++slot) {
        const double left = (0.1875 + (slot % 3) * 2.75) * 600 - 100;
        const double top = (0.5 + (slot / 3) * 1.0) * 600 - 200;
        const DeviceRect& r = letter.slots[static_cast<std::size_t>(slot)].label;
        EXPECT_NEAR(left, r.left, 1.0) << slot;
        EXPECT_NEAR(left + 2.625 * 600, r.right, 1.0) << slot;
        EXPECT_EQ(static_cast<int>(top), r.top) << slot;
        EXPECT_EQ(static_cast<int>(top) + 600, r.bottom) << slot;
    }

    // A4 of 4 x 16 labels of 48.5 x 16.9 mm: the last row ends 283.7 mm down, where the classic layout,
    // stretched over the printable area and cut to whole millimetres, puts it more than 4 mm higher.
    ExactGeometry small;
    small.COLS = 4;
    small.ROWS = 16;
    small.COLSPC = 0;
    small.ROWSPC = 0;
    small.LFTMRG = 800;
    small.RGTMRG = 800;
    small.TOPMRG = 1330;
    small.BOTMRG = 1330;
    const LabelSheet sixteen = TrueSizeSheet(small);
    const SheetLayout a4 = LayOutTrueSize(sixteen.Settings(), PrinterPaperMapping(300, 300, 75, 75));
    ASSERT_EQ(64, a4.count);
    EXPECT_EQ(3351 - 75, a4.slots[63].label.bottom);
    EXPECT_EQ(1754 - 75, a4.slots[32].label.top);
    EXPECT_EQ(a4.slots[31].label.bottom, a4.slots[35].label.top);
    const SheetLayout classic = LayOutSheet(sixteen.Settings(), {0, 0, 2329, 3358});
    EXPECT_GT(a4.slots[63].label.bottom - classic.slots[63].label.bottom, 50);

    // The preview: the same arithmetic with the shrunk client rectangle as the paper.
    const SheetLayout preview = LayOutPreview(sixteen.Settings(), {0, 0, 212, 299});
    EXPECT_EQ((DeviceRect{1, 1, 211, 298}), preview.origin);
    EXPECT_EQ(1 + 8, preview.slots[0].label.left);
    EXPECT_EQ(1 + 284, preview.slots[63].label.bottom);  // 283.7 mm at a pixel a millimetre
}

}  // namespace
}  // namespace tagmora
