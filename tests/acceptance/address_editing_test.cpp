// The Address Editor through the real program: opened with a right click on a label, typed at with the
// keyboard, closed with its buttons or Escape; what it stored is read back from "wm.dat" after the program
// has closed.
#include <gtest/gtest.h>

#include "acceptance_fixture.h"
#include "real_input.h"
#include "res/resource_ids.h"

namespace tagmora::acceptance {
namespace {

using namespace std::chrono_literals;
using testing::TestFolder;

int Occurrences(const std::string& text, const std::string& part) {
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

using AddressEditingTest = AcceptanceTest;

TEST_F(AddressEditingTest, AllLabelsBeThisStoresTheTypedAddressWithItsAmpersandDoubledInEveryLabel) {
    auto session = Start(true);
    ASSERT_TRUE(session->Started());
    HWND main = session->MainWindow();
    const ScreenLabels labels(main, SheetSettings{});
    const std::string address = "Smith & Sons\r\n1 High Street";
    const std::string stored = "Smith && Sons\r\n1 High Street";

    HWND editor = OpenAddressEditor(*session, labels.Centre(2));
    ASSERT_NE(nullptr, editor) << "a right click on the label opened no Address Editor";
    ReplaceAddress(editor, address);
    ASSERT_TRUE(PressEditorButton(editor, IDC_ALL_LABELS_BE_THIS)) << "the button did not close the editor";

    // Another label now holds the address too, shown with one ampersand.
    editor = OpenAddressEditor(*session, labels.Centre(7));
    ASSERT_NE(nullptr, editor);
    EXPECT_EQ(address, WindowText(GetDlgItem(editor, IDC_DESTINATION_ADDRESS)));
    ASSERT_TRUE(Activate(editor));
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(editor); }, 5s)) << "Escape did not close the editor";

    // Closed with its caption's close box: the program saves the sheet as it ends.
    const POINT closeBox = CaptionButton(main, HTCLOSE);
    ASSERT_GE(closeBox.x, 0) << "no close box on the caption";
    Click(closeBox);
    ASSERT_TRUE(session->WaitForExit(10s)) << "the close box did not close the program";

    const std::string state = TestFolder::ReadBytes(StateFile());
    EXPECT_EQ(8, Occurrences(state, stored)) << state;
    const LabelSheet saved = SheetIn(StateFile());
    for (int slot = 0; slot < 8; ++slot) {
        EXPECT_EQ(stored, saved.Slot(slot).DEST) << slot;
        EXPECT_EQ(slot == 0 || slot == 3, saved.Slot(slot).enabled) << slot;
    }
}

TEST_F(AddressEditingTest, TheEditorIsModalOverTheMainWindowAndEscapeAfterAutoFormatKeepsTheLabel) {
    auto session = Start(true);
    ASSERT_TRUE(session->Started());
    const HWND main = session->MainWindow();
    const ScreenLabels labels(main, SheetSettings{});

    HWND editor = OpenAddressEditor(*session, labels.Centre(5));
    ASSERT_NE(nullptr, editor) << "a right click on the label opened no Address Editor";
    // Modal: the Main Window is disabled, so a click on a label beside the editor toggles nothing; and the
    // editor stands over the middle of the Main Window.
    EXPECT_FALSE(IsWindowEnabled(main));
    EXPECT_EQ(main, GetWindow(editor, GW_OWNER));
    RECT mainRect{}, editorRect{};
    GetWindowRect(main, &mainRect);
    GetWindowRect(editor, &editorRect);
    EXPECT_NEAR(CentreOf(mainRect).x, CentreOf(editorRect).x, 1);
    EXPECT_NEAR(CentreOf(mainRect).y, CentreOf(editorRect).y, 1);
    Click(labels.FillPoint(6));
    const HWND box = GetDlgItem(editor, IDC_DESTINATION_ADDRESS);
    EXPECT_EQ(std::string(kDefaultDest), WindowText(box));
    ReplaceAddress(editor, "mr a sample, 42 example road, sometown, ab1 2cd");
    Click(ControlCentre(editor, IDC_AUTO_FORMAT));
    const std::string formatted = "Mr A Sample\r\n42 Example Road\r\nSometown\r\nAB1 2CD";
    EXPECT_TRUE(WaitUntil([&] { return WindowText(box) == formatted; }, 3s)) << WindowText(box);
    EXPECT_TRUE(IsWindowVisible(editor)) << "Auto Format closed the editor";

    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(editor); }, 5s)) << "Escape did not close the editor";
    editor = OpenAddressEditor(*session, labels.Centre(5));
    ASSERT_NE(nullptr, editor);
    EXPECT_EQ(std::string(kDefaultDest), WindowText(GetDlgItem(editor, IDC_DESTINATION_ADDRESS)));
    ASSERT_TRUE(Activate(editor));
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(editor); }, 5s));

    CloseWithEscape(*session);
    const LabelSheet saved = SheetIn(StateFile());
    for (int slot = 0; slot < 8; ++slot) {
        EXPECT_EQ(std::string(kDefaultDest), saved.Slot(slot).DEST) << slot;
        EXPECT_EQ(slot == 0 || slot == 3, saved.Slot(slot).enabled) << slot;
    }
}

}  // namespace
}  // namespace tagmora::acceptance
