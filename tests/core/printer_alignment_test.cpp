#include <gtest/gtest.h>

#include <cmath>

#include "alignment/calibration_marks.h"
#include "alignment/millimetre_text.h"
#include "alignment/printer_map.h"
#include "alignment/printers_file.h"

namespace tagmora {
namespace {

constexpr double kPi = 3.14159265358979323846;

// A printer that shifts the page 1.2 mm right and 0.8 mm up, scales it to 99.4 % across and 100.4 % down
// and turns it by a quarter of a degree.
AffineMap SkewedPrinter() {
    const double turn = 0.25 * kPi / 180;
    AffineMap map;
    map.xx = 0.994 * std::cos(turn);
    map.xy = -1.004 * std::sin(turn);
    map.yx = 0.994 * std::sin(turn);
    map.yy = 1.004 * std::cos(turn);
    map.x0 = 1.2;
    map.y0 = -0.8;
    return map;
}

AlignmentPoint Read(const AffineMap& printer, double x, double y) {
    return {x, y, printer.MapX(x, y) - x, printer.MapY(x, y) - y};
}

TEST(PrinterMapTest, ThreeReadingsGiveThePrintersMapAndItsInverseUndoesIt) {
    const AffineMap printer = SkewedPrinter();
    const std::optional<AffineMap> solved =
        SolvePrinterMap({Read(printer, 7.2, 15.15), Read(printer, 202.8, 15.15), Read(printer, 7.2, 281.85)});
    ASSERT_TRUE(solved);
    const AlignmentSummary summary = Summarise(*solved);
    EXPECT_NEAR(1.2, summary.offsetX, 1e-9);
    EXPECT_NEAR(-0.8, summary.offsetY, 1e-9);
    EXPECT_NEAR(99.4, summary.scaleXPercent, 1e-9);
    EXPECT_NEAR(100.4, summary.scaleYPercent, 1e-9);
    EXPECT_NEAR(0.25, summary.rotationDegrees, 1e-9);
    // Drawing through the inverse, every corner of the page lands where it belongs.
    const std::optional<AffineMap> correction = Inverse(*solved);
    ASSERT_TRUE(correction);
    for (const auto& [x, y] : {std::pair{0.0, 0.0}, {210.0, 0.0}, {0.0, 297.0}, {210.0, 297.0}}) {
        const double sentX = correction->MapX(x, y), sentY = correction->MapY(x, y);
        EXPECT_NEAR(x, printer.MapX(sentX, sentY), 1e-9);
        EXPECT_NEAR(y, printer.MapY(sentX, sentY), 1e-9);
    }
}

TEST(PrinterMapTest, CorrectedLabelsLandWithinAFifthOfAMillimetreOnTheSkewedPrinter) {
    const AffineMap printer = SkewedPrinter();
    const AffineMap correction = *Inverse(printer);
    // The last label of a 3 x 7 sheet, where a turn moves corners furthest.
    const MillimetreRect label{139.2, 243.75, 202.7, 281.85};
    const MillimetreRect sent = CorrectedRect(correction, label);
    for (const auto& [x, y, wantX, wantY] :
         {std::array<double, 4>{sent.left, sent.top, label.left, label.top},
          {sent.right, sent.top, label.right, label.top},
          {sent.left, sent.bottom, label.left, label.bottom},
          {sent.right, sent.bottom, label.right, label.bottom}}) {
        EXPECT_LT(std::hypot(printer.MapX(x, y) - wantX, printer.MapY(x, y) - wantY), 0.2);
    }
}

TEST(PrinterMapTest, MoreReadingsAreFittedAndUnusableOnesRefused) {
    // Four corners read with errors of 0.1 mm that cancel: the fit is the plain shift.
    const std::optional<AffineMap> fitted =
        SolvePrinterMap({{10, 10, 1.1, 0.5}, {200, 10, 0.9, 0.5}, {10, 280, 0.9, 0.5}, {200, 280, 1.1, 0.5}});
    ASSERT_TRUE(fitted);
    EXPECT_NEAR(1.0, fitted->MapX(105, 145) - 105, 1e-9);
    EXPECT_NEAR(0.5, fitted->MapY(105, 145) - 145, 1e-9);
    EXPECT_NEAR(1.0, fitted->xx, 1e-9);

    EXPECT_FALSE(SolvePrinterMap({{10, 10, 0, 0}, {200, 10, 0, 0}}));                     // too few
    EXPECT_FALSE(SolvePrinterMap({{10, 10, 0, 0}, {100, 100, 0, 0}, {200, 200, 1, 1}}));  // one line
    EXPECT_FALSE(SolvePrinterMap({{10, 10, 0, 0}, {10, 10, 0, 0}, {10, 10, 0, 0}}));      // one point
    // An error typed with the wrong sign at the right-hand point would mirror the page.
    EXPECT_FALSE(SolvePrinterMap({{10, 10, 0, 0}, {200, 10, -400, 0}, {10, 280, 0, 0}}));
    EXPECT_FALSE(SolvePrinterMap({{10, 10, NAN, 0}, {200, 10, 0, 0}, {10, 280, 0, 0}}));
}

// A 3 x 7 sheet of 63.5 x 38.1 mm labels, 7.2 mm from the left and 15.15 mm from the top.
TEST(CalibrationMarksTest, TheNumberAnEdgeMeetsIsHowFarThePrintLandedOff) {
    const SheetGrid grid{7.2, 15.15, 63.5, 38.1, 66, 38.1, 3, 7};
    const auto corners = ReferenceCorners(grid);
    EXPECT_NEAR(7.2 + 2 * 66 + 63.5, corners[1].x, 1e-9);
    EXPECT_NEAR(15.15 + 7 * 38.1, corners[2].y, 1e-9);
    EXPECT_EQ(-1, corners[1].inwardX);
    EXPECT_EQ(-1, corners[2].inwardY);
    // Printed 1 mm right, the mark drawn 1 mm left of the edge lands on it: that mark is "+1". The scale
    // across the horizontal edge is numbered the same way downwards.
    int found = 0;
    for (const MarkNumber& n : MarksAt(corners).numbers) {
        if (n.y > 40 || n.x > 40)
            continue;  // the other corners' scales
        if (n.text == "+1" && std::fabs(n.x - (7.2 - 1)) < 1e-9 && n.y > 15.15)
            ++found;
        if (n.text == "+1" && std::fabs(n.y - (15.15 - 1)) < 1e-9 && n.x > 7.2)
            ++found;
    }
    EXPECT_EQ(2, found);
    // Six readings become three points, x and y read at each corner.
    const auto points = PointsFromReadings(corners, {1, 2, 3, 4, 5, 6});
    EXPECT_EQ(5.0, points[2].dx);
    EXPECT_EQ(corners[1].y, points[1].y);
}

TEST(PrintersFileTest, EachPrinterKeepsItsOwnLineAndDamagedLinesAreKeptButNotUsed) {
    const std::string text = std::string(kPrintersFileHeader) +
                             "\r\nOffice Laser=7.2,15.15,1,-0.5;202.8,15.15,1.25,-0.5;7.2,281.85,1,-0.25\r\n"
                             "Old=Printer=1,2,3\r\n"
                             "no name at all\r\n";
    PrinterAlignments alignments(text);
    EXPECT_EQ(AlignmentState::Aligned, alignments.StateOf("office laser"));
    EXPECT_EQ(AlignmentState::Damaged, alignments.StateOf("Old=Printer"));
    EXPECT_EQ(AlignmentState::None, alignments.StateOf("Other"));
    ASSERT_NE(nullptr, alignments.Find("Office Laser"));
    EXPECT_EQ(3u, alignments.Find("Office Laser")->points.size());
    EXPECT_EQ(nullptr, alignments.Find("Old=Printer"));
    EXPECT_EQ(text, alignments.Text());

    // A new alignment replaces the printer's line and leaves the others as they were.
    ASSERT_TRUE(
        alignments.Store("OFFICE LASER", {{10, 10, 0.1234, 0}, {200, 10, 0, 0}, {10, 280, -0.0004, 2}}));
    EXPECT_FALSE(alignments.Store("Office Laser", {{10, 10, 0, 0}, {200, 10, 0, 0}}));
    EXPECT_FALSE(alignments.Store("Two\r\nLines", {{10, 10, 0, 0}, {200, 10, 0, 0}, {10, 280, 0, 0}}));
    EXPECT_EQ(
        std::string(kPrintersFileHeader) +
            "\r\nOld=Printer=1,2,3\r\nno name at all\r\nOFFICE LASER=10,10,0.123,0;200,10,0,0;10,280,0,2\r\n",
        alignments.Text());
    EXPECT_EQ(0.123, PrinterAlignments(alignments.Text()).Find("office laser")->points[0].dx);
}

TEST(MillimetreTextTest, TypedReadingsTakeEitherDecimalSeparatorAndStoredOnesAreShort) {
    EXPECT_EQ(1.25, ParseMillimetres("1,25"));
    EXPECT_EQ(-0.5, ParseMillimetres(" -0.5 "));
    EXPECT_EQ(3.0, ParseMillimetres("+3"));
    EXPECT_EQ(0.5, ParseMillimetres(".5"));
    for (const char* bad : {"", " ", "-", "1.2.3", "1,2,3", "1e3", "abc", "2 mm", "--1", "0x10"})
        EXPECT_FALSE(ParseMillimetres(bad)) << bad;
    EXPECT_EQ("210", MillimetreText(210));
    EXPECT_EQ("-0.25", MillimetreText(-0.25));
    EXPECT_EQ("0", MillimetreText(-0.0004));
    EXPECT_EQ("15.15", MillimetreText(15.15));
}

}  // namespace
}  // namespace tagmora
