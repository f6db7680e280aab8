#include "render/sheet_layout.h"

#include <gtest/gtest.h>

#include <limits>

namespace tagmora {
namespace {

constexpr std::int32_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kInt32Min = std::numeric_limits<std::int32_t>::min();

TEST(TruncToInt32Test, CutsTowardZeroAndSaturates) {
    EXPECT_EQ(TruncToInt32(2.9999), 2);
    EXPECT_EQ(TruncToInt32(-2.9999), -2);
    EXPECT_EQ(TruncToInt32(-0.5), 0);
    EXPECT_EQ(TruncToInt32(1e300), kInt32Max);
    EXPECT_EQ(TruncToInt32(-1e300), kInt32Min);
    EXPECT_EQ(TruncToInt32(std::numeric_limits<double>::infinity()), kInt32Max);
    EXPECT_EQ(TruncToInt32(-std::numeric_limits<double>::infinity()), kInt32Min);
    EXPECT_EQ(TruncToInt32(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(TruncToInt32(2147483647.9), kInt32Max);
    EXPECT_EQ(TruncToInt32(-2147483648.9), kInt32Min);
}

// The rectangle a test expects for a slot, from its millimetre edges and the layout's scales.
DeviceRect Expected(const SheetLayout& layout, int slot, int mmLeft, int mmTop, int mmRight, int mmBottom) {
    const SlotLayout& s = layout.slots[static_cast<std::size_t>(slot)];
    const DeviceRect& o = layout.origin;
    return {static_cast<std::int32_t>(mmLeft * static_cast<double>(s.xScale)) + o.left,
            static_cast<std::int32_t>(mmTop * static_cast<double>(s.yScale)) + o.top,
            static_cast<std::int32_t>(mmRight * static_cast<double>(s.xScale)) + o.left,
            static_cast<std::int32_t>(mmBottom * static_cast<double>(s.yScale)) + o.top};
}

TEST(SheetLayoutTest, DefaultSheetLabelEdgesFallOnWholeMillimetres) {
    const SheetSettings settings;  // 210 x 297, 2 x 4, the default margins and gaps
    const SheetLayout layout = LayOutSheet(settings, {0, 0, 402, 596});

    EXPECT_EQ(layout.origin, (DeviceRect{1, 1, 401, 595}));
    EXPECT_EQ(layout.count, 8);
    EXPECT_EQ(layout.slots[0].xScale, static_cast<float>(400.0 / 210.0));
    EXPECT_EQ(layout.slots[0].yScale, 2.0f);

    // lw = 101.5 mm, lh = 71.25 mm: the first label is 101 mm wide on paper, the second 102 mm.
    EXPECT_EQ(layout.slots[0].label, Expected(layout, 0, 1, 12, 102, 83));
    EXPECT_EQ(layout.slots[1].label, Expected(layout, 1, 104, 12, 206, 83));
    EXPECT_EQ(layout.slots[2].label, Expected(layout, 2, 1, 83, 102, 154));
    // Slot 5 is the second label of the third row: x = 104.5, y = 12 + 2 x 71.25 = 154.5.
    EXPECT_EQ(layout.slots[5].label, Expected(layout, 5, 104, 154, 206, 225));
    EXPECT_EQ(layout.slots[7].label, Expected(layout, 7, 104, 225, 206, 297));

    // Pixel values worked by hand: 1 mm x 400/210 = 1.90 -> 1, plus the origin 1.
    EXPECT_EQ(layout.slots[0].label, (DeviceRect{2, 25, 195, 167}));
    EXPECT_EQ(layout.slots[3].label, (DeviceRect{199, 167, 393, 309}));
}

TEST(SheetLayoutTest, PrinterPageScalesAreIndependentAndCutTowardZero) {
    SheetSettings settings;
    settings.COLS = 8;
    settings.ROWS = 16;
    const SheetLayout layout = LayOutSheet(settings, {0, 0, 4961, 7016});
    EXPECT_EQ(layout.origin, (DeviceRect{1, 1, 4960, 7015}));
    EXPECT_EQ(layout.count, 128);
    for (int i = 0; i < layout.count; ++i) {
        EXPECT_EQ(layout.slots[static_cast<std::size_t>(i)].xScale, static_cast<float>(4959.0 / 210.0));
        EXPECT_EQ(layout.slots[static_cast<std::size_t>(i)].yScale, static_cast<float>(7014.0 / 297.0));
    }
    // lw = (205 - 14) / 8 = 23.875; lh = 285 / 16 = 17.8125. Slot 9: row 1, column 1.
    EXPECT_EQ(layout.slots[9].label, Expected(layout, 9, 26, 29, 50, 47));
    // The last slot's bottom reaches the paper's bottom edge, which still lies inside the origin.
    EXPECT_EQ(layout.slots[127].label, Expected(layout, 127, 182, 279, 206, 297));
    EXPECT_LE(layout.slots[127].label.bottom, layout.origin.bottom);
}

TEST(SheetLayoutTest, RightMarginOnlyShortensLabels) {
    SheetSettings settings;
    const SheetLayout before = LayOutSheet(settings, {0, 0, 402, 596});
    settings.RGTMRG = 40;
    const SheetLayout after = LayOutSheet(settings, {0, 0, 402, 596});
    EXPECT_EQ(after.slots[0].label.left, before.slots[0].label.left);
    EXPECT_EQ(after.slots[2].label.left, before.slots[2].label.left);
    EXPECT_LT(after.slots[0].label.right, before.slots[0].label.right);
    EXPECT_LT(after.slots[1].label.left, before.slots[1].label.left);
}

TEST(SheetLayoutTest, OnlyTheShownSlotsAreLaidOut) {
    SheetSettings settings;
    settings.COLS = 3;
    settings.ROWS = 2;
    const SheetLayout layout = LayOutSheet(settings, {0, 0, 402, 596});
    EXPECT_EQ(layout.count, 6);
    EXPECT_EQ(layout.slots[6].label, DeviceRect{});
    // Slot 3 starts the second row, at the left margin.
    EXPECT_EQ(layout.slots[3].label.left, layout.slots[0].label.left);
    EXPECT_GT(layout.slots[3].label.top, layout.slots[0].label.top);
}

TEST(SheetLayoutTest, NoRoomLeftGivesEmptyOrInvertedRectanglesWithoutFailing) {
    SheetSettings settings;
    settings.LFTMRG = 100;
    settings.RGTMRG = 100;
    settings.COLSPC = 100;
    const SheetLayout layout = LayOutSheet(settings, {0, 0, 402, 596});
    EXPECT_LE(layout.slots[0].label.Width(), 0);
}

TEST(SheetLayoutTest, AbsurdValuesStayDefined) {
    SheetSettings settings;
    settings.LFTMRG = kInt32Max;
    settings.TOPMRG = kInt32Min;
    settings.COLSPC = kInt32Max;
    settings.ROWSPC = kInt32Min;
    settings.RGTMRG = kInt32Min;
    SheetLayout layout = LayOutSheet(settings, {0, 0, 402, 596});
    EXPECT_EQ(layout.count, 8);
    EXPECT_EQ(layout.slots[0].label.left, kInt32Max);
    // Widths, heights and shrunk rectangles stop at the limits too.
    const DeviceRect all{kInt32Min, kInt32Min, kInt32Max, kInt32Max};
    EXPECT_TRUE(all.Width() == kInt32Max && (DeviceRect{0, kInt32Max, 0, kInt32Min}.Height() == kInt32Min));
    EXPECT_TRUE(all.Shrunk(-1) == all && (DeviceRect{0, 0, 1, 1}.Shrunk(kInt32Min) == all));

    settings = SheetSettings{};
    settings.WMM = 0;
    settings.HMM = -5;
    layout = LayOutSheet(settings, {0, 0, 402, 596});
    EXPECT_EQ(layout.count, 8);

    settings = SheetSettings{};
    settings.COLS = 0;
    EXPECT_EQ(LayOutSheet(settings, {0, 0, 402, 596}).count, 0);
    settings.COLS = 9;
    settings.ROWS = 16;
    EXPECT_EQ(LayOutSheet(settings, {0, 0, 402, 596}).count, 0);
    settings.COLS = kInt32Max;
    settings.ROWS = kInt32Max;
    EXPECT_EQ(LayOutSheet(settings, {0, 0, 402, 596}).count, 0);
}

TEST(SheetLayoutHitTest, FindsTheSlotHoldingPressAndRelease) {
    const SheetLayout layout = LayOutSheet(SheetSettings{}, {0, 0, 402, 596});
    const DeviceRect& slot2 = layout.slots[2].label;
    const DeviceRect& slot3 = layout.slots[3].label;

    EXPECT_EQ(layout.HitTest({slot2.left, slot2.top}, {slot2.left + 5, slot2.top + 5}), 2);
    EXPECT_EQ(layout.HitTest({slot3.right - 1, slot3.bottom - 1}, {slot3.left, slot3.top}), 3);
    // Right and bottom edges lie outside.
    EXPECT_EQ(layout.HitTest({slot3.right, slot3.top + 1}, {slot3.right, slot3.top + 1}), -1);
    // Press in one label, release in another.
    EXPECT_EQ(layout.HitTest({slot2.left + 1, slot2.top + 1}, {slot3.left + 1, slot3.top + 1}), -1);
    // The gap between the two columns.
    const DeviceRect& slot0 = layout.slots[0].label;
    const DevicePoint gap{(slot0.right + layout.slots[1].label.left) / 2, slot0.top + 10};
    EXPECT_EQ(layout.HitTest(gap, gap), -1);
    // The margin above the first row.
    EXPECT_EQ(layout.HitTest({slot0.left + 3, slot0.top - 2}, {slot0.left + 3, slot0.top - 2}), -1);
}

TEST(SheetLayoutHitTest, SlotsBeyondTheShownOnesAreNeverHit) {
    SheetSettings settings;
    settings.COLS = 2;
    settings.ROWS = 4;
    SheetLayout layout = LayOutSheet(settings, {0, 0, 402, 596});
    // Leftover rectangles in hidden slots (from an earlier, larger layout) must not be hit.
    layout.slots[8].label = {0, 0, 402, 596};
    EXPECT_EQ(layout.HitTest({1, 1}, {1, 1}), -1);
}

}  // namespace
}  // namespace tagmora
