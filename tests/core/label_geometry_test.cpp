#include "render/label_geometry.h"

#include <gtest/gtest.h>

#include <limits>

#include "render/colour_blend.h"

namespace tagmora {
namespace {

SlotLayout Slot(DeviceRect label, float xScale = 2.0f) {
    return {xScale, xScale, label};
}

SheetSettings Switches(bool sender1, bool sender2, bool logo, bool yFlip = false) {
    SheetSettings settings;
    settings.SDON1 = sender1;
    settings.SDON2 = sender2;
    settings.LGON = logo;
    settings.YFLP = yFlip;
    return settings;
}

TEST(MeasureLabelTest, SizesAreFractionsOfTheDiagonal) {
    const LabelMeasures m = MeasureLabel({0, 0, 200, 150});
    EXPECT_DOUBLE_EQ(m.diagonal, 250.0);
    EXPECT_EQ(m.inset, 7);
    EXPECT_EQ(m.drawUnit, 2);
    EXPECT_EQ(m.rawHalfUnit, 1);
    EXPECT_EQ(m.halfUnit, 1);
    EXPECT_EQ(m.corner, 9);  // single-precision 0.04 is just below 0.04
    EXPECT_EQ(m.borderWidth, 1);
}

TEST(MeasureLabelTest, TinyLabelsKeepEverySizeAtLeastOne) {
    const LabelMeasures m = MeasureLabel({10, 10, 30, 25});
    EXPECT_DOUBLE_EQ(m.diagonal, 25.0);
    EXPECT_EQ(m.inset, 1);
    EXPECT_EQ(m.drawUnit, 1);
    EXPECT_EQ(m.rawHalfUnit, 0);
    EXPECT_EQ(m.halfUnit, 1);
    EXPECT_EQ(m.corner, 1);
    EXPECT_EQ(m.borderWidth, 1);

    const LabelMeasures empty = MeasureLabel({5, 5, 5, 5});
    EXPECT_EQ(empty.inset, 1);
    EXPECT_EQ(empty.rawHalfUnit, 0);
}

TEST(MeasureLabelTest, LargeLabels) {
    // 600 by 800: d = 1000, every fraction lands just below the decimal whole number.
    const LabelMeasures m = MeasureLabel({0, 0, 600, 800});
    EXPECT_EQ(m.inset, 29);
    EXPECT_EQ(m.drawUnit, 9);
    EXPECT_EQ(m.rawHalfUnit, 4);
    EXPECT_EQ(m.halfUnit, 4);
    EXPECT_EQ(m.corner, 39);
    EXPECT_EQ(m.borderWidth, 2);
}

TEST(LabelGeometryTest, SenderBandBelowTheAddress) {
    // Label 0..316 x 0..237: d = 395, inset 11, unit 3, raw half 1, half 1. Content 11..305 x 11..226.
    SheetSettings settings = Switches(true, true, true);
    const LabelGeometry g = ComputeLabelGeometry(settings, Slot({0, 0, 316, 237}, 3.9f), 2.0f);
    ASSERT_EQ(g.measures.inset, 11);
    ASSERT_EQ(g.measures.drawUnit, 3);
    ASSERT_EQ(g.measures.rawHalfUnit, 1);
    EXPECT_TRUE(g.hasSenderBand);

    // cut = trunc(215 x 0.33333334) = 71.
    EXPECT_EQ(g.senderArea, (DeviceRect{11, 155, 305, 226}));
    EXPECT_EQ(g.content, (DeviceRect{11, 11, 305, 226 - 1 - 71 - 1}));
    // The logo: as wide as the band's height times the aspect, at the right end, moved in by one unit.
    EXPECT_EQ(g.logo, (DeviceRect{305 - 142 + 3, 155 + 3, 305, 226}));
    // Sender 2 ends one millimetre (trunc of the x scale: 3) left of the logo; the two split the rest.
    const std::int32_t sender2Right = 305 - 142 - 3;
    const std::int32_t split = 11 + (sender2Right - 11) / 2;
    EXPECT_EQ(g.sender2, (DeviceRect{split, 156, sender2Right, 226}));
    EXPECT_EQ(g.sender1, (DeviceRect{11, 156, split, 226}));
    // The divider spans the raw half unit and the half unit between content and band, moved down by 1.
    EXPECT_EQ(g.divider, (DeviceRect{11, 153 + 1, 305, 155 + 1}));
    EXPECT_EQ(g.divider.Height(), g.measures.rawHalfUnit + g.measures.halfUnit);
}

TEST(LabelGeometryTest, YFlipPutsTheBandOnTopWithAThinnerDivider) {
    SheetSettings settings = Switches(true, true, true, true);
    const LabelGeometry g = ComputeLabelGeometry(settings, Slot({0, 0, 316, 237}, 3.9f), 1.0f);
    EXPECT_EQ(g.senderArea, (DeviceRect{11, 11, 305, 11 + 71}));
    EXPECT_EQ(g.content, (DeviceRect{11, 11 + 71 + 1, 305, 226 - 1}));
    EXPECT_EQ(g.divider, (DeviceRect{11, 82 + 1, 305, 83 + 1}));
    EXPECT_EQ(g.divider.Height(), g.measures.halfUnit);
    EXPECT_EQ(g.sender1.top, 11 + g.measures.rawHalfUnit);
}

TEST(LabelGeometryTest, DividerThicknessFollowsTheUnits) {
    // d = 1000: raw half unit 4, half unit 4; the divider moves down by trunc(4 x 0.5) = 2.
    const SlotLayout slot = Slot({0, 0, 600, 800});
    const LabelGeometry below = ComputeLabelGeometry(Switches(true, false, false), slot, 1.0f);
    EXPECT_EQ(below.divider.Height(), 8);
    EXPECT_EQ(below.divider.top, below.content.bottom + 2);
    const LabelGeometry above = ComputeLabelGeometry(Switches(true, false, false, true), slot, 1.0f);
    EXPECT_EQ(above.divider.Height(), 4);
    EXPECT_EQ(above.divider.top, above.senderArea.bottom + 2);
}

TEST(LabelGeometryTest, ThirdOfAHeightOfThreeHundredIsExactlyOneHundred) {
    // 412 by 330: d = 527.9, inset 15, content height 300. 0.33333334f is slightly above a third, so the
    // cut is 100, not 99.
    const LabelGeometry g = ComputeLabelGeometry(Switches(true, false, false), Slot({0, 0, 412, 330}), 1.0f);
    ASSERT_EQ(g.measures.inset, 15);
    EXPECT_EQ(g.senderArea.Height(), 100);
}

TEST(LabelGeometryTest, OnlyTheLogoStillReservesTheBand) {
    SheetSettings settings = Switches(false, false, true);
    const LabelGeometry g = ComputeLabelGeometry(settings, Slot({0, 0, 316, 237}, 3.9f), 1.0f);
    EXPECT_TRUE(g.hasSenderBand);
    EXPECT_EQ(g.senderArea.Height(), 71);
    EXPECT_EQ(g.content.bottom, 226 - 1 - 71 - 1);
    EXPECT_GT(g.divider.Height(), 0);
    // A square logo at the right end of the band.
    EXPECT_EQ(g.logo, (DeviceRect{305 - 71 + 3, 155 + 3, 305, 226}));
}

TEST(LabelGeometryTest, NoBandWithoutSendersOrLogo) {
    const LabelGeometry g = ComputeLabelGeometry(Switches(false, false, false), Slot({0, 0, 316, 237}), 1.0f);
    EXPECT_FALSE(g.hasSenderBand);
    EXPECT_EQ(g.content, (DeviceRect{11, 11, 305, 226 - 1}));
    EXPECT_EQ(g.divider, DeviceRect{});
}

TEST(LabelGeometryTest, SenderRectanglesWithoutTheLogo) {
    const SlotLayout slot = Slot({0, 0, 316, 237}, 3.9f);
    const LabelGeometry both = ComputeLabelGeometry(Switches(true, true, false), slot, 1.0f);
    EXPECT_EQ(both.sender2.right, 305);
    EXPECT_EQ(both.sender1.right, both.sender2.left);
    EXPECT_EQ(both.sender1.left, 11);

    // Only sender 1 next to the logo: it reaches the logo's edge with no gap.
    SheetSettings oneAndLogo = Switches(true, false, true);
    const LabelGeometry g = ComputeLabelGeometry(oneAndLogo, slot, 1.0f);
    EXPECT_EQ(g.sender1.right, g.logo.left - g.measures.drawUnit);

    // Only sender 2: it alone takes the band.
    const LabelGeometry two = ComputeLabelGeometry(Switches(false, true, false), slot, 1.0f);
    EXPECT_EQ(two.sender2.left, 11);
    EXPECT_EQ(two.sender2.right, 305);
}

TEST(LabelGeometryTest, WideLogoStopsAtTheBandsLeftEdge) {
    SheetSettings settings = Switches(true, true, true);
    const LabelGeometry g = ComputeLabelGeometry(settings, Slot({0, 0, 316, 237}), 50.0f);
    EXPECT_EQ(g.logo.left, 11 + g.measures.drawUnit);
}

TEST(LabelGeometryTest, LabelsAtTheInt32LimitsStayDefined) {
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    SheetSettings settings = Switches(true, true, true, true);
    const LabelGeometry g = ComputeLabelGeometry(settings, Slot({kMin, kMin, kMax, kMax}, 1e30f), 1e30f);
    EXPECT_LE(g.content.left, g.content.right);
    const LabelGeometry inverted = ComputeLabelGeometry(settings, Slot({kMax, kMax, kMin, kMin}), 1e30f);
    EXPECT_GE(inverted.measures.inset, 1);
}

TEST(ColourBlendTest, BlendsEachByteAndDividesBy256) {
    EXPECT_EQ(ColourBlend(kPreviewBackground, kWhite, 160), 0x00D6F4FEu);
    EXPECT_EQ(ColourBlend(kPreviewBackground, kLabelBorderGrey, 160), 0x00B7D5DEu);
    EXPECT_EQ(ColourBlend(kWhite, kWhite, 160), 0x00FEFEFEu);
    EXPECT_EQ(ColourBlend(0xFF000000u, 0xFF000000u, 200), 0u);  // top byte always 0
    EXPECT_EQ(ColourBlend(0x00FF0000u, 0x000000FFu, 255), 0x00FE0000u);
    EXPECT_EQ(ColourBlend(0x00FF0000u, 0x000000FFu, 0), 0x000000FEu);
}

TEST(ColourBlendTest, LabelColoursFollowTheEnabledFlag) {
    SheetSettings settings;
    settings.COLD = 0x00112233;
    settings.COLS1 = 0x00445566;
    settings.COLS2 = 0x00778899;
    settings.COLDIV = 0x000000FF;
    const LabelColours on = ChooseLabelColours(settings, true);
    EXPECT_EQ(on.fill, 0x00FFFFFFu);
    EXPECT_EQ(on.border, 0x00AAAAAAu);
    EXPECT_EQ(on.destination, 0x00112233u);
    EXPECT_EQ(on.sender1, 0x00445566u);
    EXPECT_EQ(on.sender2, 0x00778899u);
    EXPECT_EQ(on.divider, 0x000000FFu);

    const LabelColours off = ChooseLabelColours(settings, false);
    EXPECT_EQ(off.fill, 0x00D6F4FEu);
    EXPECT_EQ(off.border, 0x00B7D5DEu);
    EXPECT_EQ(off.destination, ColourBlend(0x00112233, 0x00D6F4FE, 64));
    EXPECT_EQ(off.sender1, ColourBlend(0x00445566, 0x00D6F4FE, 64));
    EXPECT_EQ(off.sender2, ColourBlend(0x00778899, 0x00D6F4FE, 64));
    // Red at weight 64 over the pale fill: red (255 x 64 + 254 x 191) / 256 = 253, green 182, blue 159.
    EXPECT_EQ(off.divider, 0x009FB6FDu);
}

}  // namespace
}  // namespace tagmora
