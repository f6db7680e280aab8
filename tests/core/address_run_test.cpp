#include "print/address_run.h"

#include <gtest/gtest.h>

#include "print/printed_log.h"

namespace tagmora {
namespace {

// 300 addresses on a full 8 x 16 sheet whose first five labels are used: 123 on the first page, then 128
// and the rest.
TEST(AddressRunTest, ThreeHundredAddressesStartAfterTheUsedLabelsAndFillFullSheetsAfter) {
    LabelSheet sheet;
    sheet.MutableSettings().COLS = 8;
    sheet.MutableSettings().ROWS = 16;
    sheet.SetAllEnabled(true);
    for (int slot = 0; slot < 5; ++slot)
        sheet.Slot(slot).enabled = false;
    const std::vector<RunPage> pages = PlanAddressRun(sheet, 300);
    ASSERT_EQ(3u, pages.size());
    EXPECT_EQ(123u, pages[0].labels.size());
    EXPECT_EQ(5, pages[0].labels.front().slot);
    EXPECT_EQ(0, pages[1].labels.front().slot);
    EXPECT_EQ(123u, pages[1].labels.front().address);
    EXPECT_EQ(49u, pages[2].labels.size());
    EXPECT_EQ(48, SlotsUsedOnLastPage(pages).back());

    // A sheet with nothing enabled is used up: the run starts on a full sheet. Nothing to print, no page.
    sheet.SetAllEnabled(false);
    EXPECT_EQ(128u, PlanAddressRun(sheet, 300)[0].labels.size());
    EXPECT_TRUE(PlanAddressRun(sheet, 0).empty());
}

TEST(AddressRunTest, TheLogNamesEveryPageAfterTheFirstAndARangeLogsOnlyItsPages) {
    LabelSheet sheet;  // 2 x 4, labels 0 and 3 enabled
    const std::vector<std::string> addresses{"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K"};
    const std::vector<RunPage> pages = PlanAddressRun(sheet, addresses.size());
    ASSERT_EQ(3u, pages.size());
    const std::string s = kPrintedLogSeparator;
    EXPECT_EQ("A" + s + "B" + s + "Page 2\r\nC" + s + "D" + s + "E" + s + "F" + s + "G" + s + "H" + s + "I" +
                  s + "J" + s + "Page 3\r\nK" + s,
              RunLogText(pages, addresses, 1, 3));
    EXPECT_EQ("Page 3\r\nK" + s, RunLogText(pages, addresses, 3, 3));
}

}  // namespace
}  // namespace tagmora
