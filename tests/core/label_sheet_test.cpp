#include "model/label_sheet.h"

#include <gtest/gtest.h>

#include "model/working_folder.h"

namespace tagmora {
namespace {

TEST(LabelSheet, DefaultsMatchAFreshSheet) {
    SetWorkingFolder("C:\\Labels\\");
    const LabelSheet sheet;
    const SheetSettings& s = sheet.Settings();
    EXPECT_EQ(2, s.COLS);
    EXPECT_EQ(4, s.ROWS);
    EXPECT_EQ(8, sheet.LabelCount());
    EXPECT_EQ("C:\\Labels\\\\GFX\\Ostrel.bmp", s.LOGO);
    EXPECT_EQ(7u, s.SEND1.size());
    EXPECT_EQ('\xBB', s.SEND1.back());
    EXPECT_EQ(94u, sheet.Slot(0).DEST.size());
    for (int i = 0; i < kSlotCount; ++i)
        EXPECT_EQ(i == 0 || i == 3, sheet.Slot(i).enabled) << i;
}
}  // namespace
}  // namespace tagmora
