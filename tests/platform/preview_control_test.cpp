#include "app/preview_control.h"

#include <gtest/gtest.h>

#include <climits>

#include "model/setup_file.h"
#include "model/sheet_persistence.h"
#include "model/working_folder.h"
#include "render/label_geometry.h"
#include "res/resource_ids.h"
#include "tests/core/test_folder.h"
#include "window_test_support.h"

namespace tagmora {
namespace {

using testing::TestFolder;

constexpr RECT kPlaceholder{20, 30, 20 + 211, 30 + 298};

// A plain window with a placeholder push button where the preview goes, in a working folder of its own.
class PreviewControlTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SKIP_WITHOUT_WINDOWS();
        GetCurrentDirectoryA(MAX_PATH, previousDirectory_);
        previousFolder_ = WorkingFolder();
        SetWorkingFolder(folder.Path());
        parent = CreateWindowExA(0, "STATIC", "preview test", WS_POPUP | WS_VISIBLE, 0, 0, 400, 400, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(parent);
        placeholder = CreateWindowExA(
            0, "BUTTON", "IDC_GUI", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, kPlaceholder.left,
            kPlaceholder.top, kPlaceholder.right - kPlaceholder.left, kPlaceholder.bottom - kPlaceholder.top,
            parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_PREVIEW)), GetModuleHandleA(nullptr),
            nullptr);
        ASSERT_TRUE(placeholder);
    }
    void TearDown() override {
        if (parent)
            DestroyWindow(parent);
        SetCurrentDirectoryA(previousDirectory_);
        if (!previousFolder_.empty())
            SetWorkingFolder(previousFolder_);
    }

    static POINT Centre(const DeviceRect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
    // Halfway down the left edge, between the border and the text: only the label's fill shows there.
    static POINT FillPoint(const DeviceRect& r) {
        const LabelMeasures m = MeasureLabel(r);
        return {r.left + m.borderWidth + (m.inset - m.borderWidth) / 2, (r.top + r.bottom) / 2};
    }
    static void Click(PreviewControl& preview, POINT press, POINT release, UINT down = WM_LBUTTONDOWN,
                      UINT up = WM_LBUTTONUP) {
        SendMessageA(preview.Window(), down, 0, MAKELPARAM(press.x, press.y));
        SendMessageA(preview.Window(), up, 0, MAKELPARAM(release.x, release.y));
    }
    std::vector<bool> Flags(const PreviewControl& preview) const {
        std::vector<bool> flags;
        for (int i = 0; i < kSlotCount; ++i)
            flags.push_back(preview.Sheet().Slot(i).enabled);
        return flags;
    }

    TestFolder folder;
    apptest::CapturedMessages messages;
    HWND parent = nullptr;
    HWND placeholder = nullptr;

  private:
    char previousDirectory_[MAX_PATH] = {};
    std::string previousFolder_;
};

TEST_F(PreviewControlTest, TakesThePlaceholdersPlaceAndId) {
    PreviewControl preview(parent, IDC_PREVIEW);
    EXPECT_FALSE(IsWindow(placeholder));
    EXPECT_EQ(preview.Window(), GetDlgItem(parent, IDC_PREVIEW));
    RECT rect{};
    GetWindowRect(preview.Window(), &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(kPlaceholder.left, rect.left);
    EXPECT_EQ(kPlaceholder.top, rect.top);
    EXPECT_EQ(kPlaceholder.right, rect.right);
    EXPECT_EQ(kPlaceholder.bottom, rect.bottom);
    EXPECT_TRUE(GetWindowLongPtrA(preview.Window(), GWL_STYLE) & WS_VISIBLE);
}

TEST_F(PreviewControlTest, FirstStartHasTheDefaultsAndExitSavesTheStateFile) {
    {
        PreviewControl preview(parent, IDC_PREVIEW);
        char current[MAX_PATH] = {};
        GetCurrentDirectoryA(MAX_PATH, current);
        EXPECT_EQ(folder.Path(), std::string(current) + "\\");
        EXPECT_EQ(2, preview.Sheet().Settings().COLS);
        EXPECT_EQ(4, preview.Sheet().Settings().ROWS);
        EXPECT_FALSE(TestFolder::IsFile(folder.File("wm.dat")));
        preview.Sheet().Slot(5).enabled = true;
    }
    const std::string saved = TestFolder::ReadBytes(folder.File("wm.dat"));
    EXPECT_EQ(0u, saved.find(kSetupFileHeader));
    LabelSheet reread;
    ReadSetupFile(saved, reread);
    EXPECT_TRUE(reread.Slot(5).enabled);
    EXPECT_TRUE(reread.Slot(0).enabled);
    EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(PreviewControlTest, LoadsTheStateFileFromTheWorkingFolderWhateverTheCurrentDirectory) {
    LabelSheet kept;
    kept.MutableSettings().COLS = 3;
    kept.MutableSettings().ROWS = 5;
    kept.Slot(14).enabled = true;
    ASSERT_TRUE(SaveSheetToPath(kept, folder.File("wm.dat")));
    TestFolder elsewhere;
    SetCurrentDirectoryA(elsewhere.Path().c_str());

    PreviewControl preview(parent, IDC_PREVIEW);
    EXPECT_EQ(3, preview.Sheet().Settings().COLS);
    EXPECT_EQ(5, preview.Sheet().Settings().ROWS);
    EXPECT_TRUE(preview.Sheet().Slot(14).enabled);
    EXPECT_EQ(15, preview.ScreenLayout().count);
}

TEST_F(PreviewControlTest, AWorkingFolderThatCannotBeEnteredNeverTouchesAnotherFoldersStateFile) {
    // The current folder holds a "wm.dat" of its own, which must be neither read nor overwritten.
    TestFolder elsewhere;
    LabelSheet other;
    other.MutableSettings().COLS = 5;
    ASSERT_TRUE(SaveSheetToPath(other, elsewhere.File("wm.dat")));
    const std::string otherBytes = TestFolder::ReadBytes(elsewhere.File("wm.dat"));
    SetCurrentDirectoryA(elsewhere.Path().c_str());
    SetWorkingFolder(folder.File("missing\\"));
    {
        PreviewControl preview(parent, IDC_PREVIEW);
        EXPECT_EQ(2, preview.Sheet().Settings().COLS);
    }
    SetCurrentDirectoryA(folder.Path().c_str());
    EXPECT_EQ(otherBytes, TestFolder::ReadBytes(elsewhere.File("wm.dat")));
    // The save went to the program's own folder, created as any setup file's folder is.
    EXPECT_EQ(0u, TestFolder::ReadBytes(folder.File("missing\\wm.dat")).find(kSetupFileHeader));
    EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(PreviewControlTest, CurrentSheetIsClearedWhenThePreviewGoes) {
    {
        PreviewControl preview(parent, IDC_PREVIEW);
        SetCurrentSheet(&preview);
        EXPECT_EQ(&preview, CurrentSheet());
    }
    EXPECT_EQ(nullptr, CurrentSheet());
}

TEST_F(PreviewControlTest, LeftClickTogglesTheLabelUnderPressAndRelease) {
    PreviewControl preview(parent, IDC_PREVIEW);
    const SheetLayout& layout = preview.ScreenLayout();
    ASSERT_EQ(8, layout.count);
    const POINT inSlot1 = Centre(layout.slots[1].label);
    Click(preview, inSlot1, inSlot1);
    EXPECT_TRUE(preview.Sheet().Slot(1).enabled);
    Click(preview, inSlot1, {inSlot1.x + 3, inSlot1.y + 5});
    EXPECT_FALSE(preview.Sheet().Slot(1).enabled);
    const POINT inSlot0 = Centre(layout.slots[0].label);
    Click(preview, inSlot0, inSlot0);
    EXPECT_FALSE(preview.Sheet().Slot(0).enabled);
}

TEST_F(PreviewControlTest, ClicksThatDoNotStayInOneLabelChangeNothing) {
    PreviewControl preview(parent, IDC_PREVIEW);
    const SheetLayout& layout = preview.ScreenLayout();
    const std::vector<bool> before = Flags(preview);

    // Pressed in slot 2, released in slot 3.
    Click(preview, Centre(layout.slots[2].label), Centre(layout.slots[3].label));
    // In the gap between the columns, and in the top margin.
    const POINT gap{(layout.slots[0].label.right + layout.slots[1].label.left) / 2,
                    Centre(layout.slots[0].label).y};
    Click(preview, gap, gap);
    const POINT margin{Centre(layout.slots[0].label).x, layout.slots[0].label.top - 2};
    Click(preview, margin, margin);
    EXPECT_EQ(before, Flags(preview));
}

TEST_F(PreviewControlTest, ReleaseWithoutItsOwnPressChangesNothing) {
    PreviewControl preview(parent, IDC_PREVIEW);
    const POINT inSlot2 = Centre(preview.ScreenLayout().slots[2].label);
    const std::vector<bool> before = Flags(preview);

    // A release with no press in this control at all.
    SendMessageA(preview.Window(), WM_LBUTTONUP, 0, MAKELPARAM(inSlot2.x, inSlot2.y));
    EXPECT_EQ(before, Flags(preview));

    // A whole click, then a stray release at the same place: only the click counts.
    Click(preview, inSlot2, inSlot2);
    SendMessageA(preview.Window(), WM_LBUTTONUP, 0, MAKELPARAM(inSlot2.x, inSlot2.y));
    EXPECT_TRUE(preview.Sheet().Slot(2).enabled);

    // A press whose capture was taken away (a dialog opened) is not finished by a later release.
    SendMessageA(preview.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(inSlot2.x, inSlot2.y));
    SetCapture(parent);
    ReleaseCapture();
    SendMessageA(preview.Window(), WM_LBUTTONUP, 0, MAKELPARAM(inSlot2.x, inSlot2.y));
    EXPECT_TRUE(preview.Sheet().Slot(2).enabled);
}

constexpr const char* kEditorTitle = "Edit Labels Destination Address";

// Runs the script from this test's own message loop until it is done or its deadline ended it.
void RunScript(apptest::ModalScript& script) {
    for (int i = 0; i < 800 && !script.Finished() && !script.TimedOut(); ++i)
        apptest::PumpFor(std::chrono::milliseconds(25));
}

TEST_F(PreviewControlTest, RightClickOpensTheAddressEditorOnThatLabelAndCancelChangesNothing) {
    PreviewControl preview(parent, IDC_PREVIEW);
    const POINT inSlot1 = Centre(preview.ScreenLayout().slots[1].label);
    preview.Sheet().Slot(1).DEST = "Smith && Sons";
    const std::vector<bool> before = Flags(preview);
    HWND editor = nullptr;
    char shown[128] = {};
    apptest::ModalScript script(
        {apptest::ModalScript::Do([&] {
             // Posted: the editor's modal loop must not run inside this step.
             PostMessageA(preview.Window(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(inSlot1.x, inSlot1.y));
             PostMessageA(preview.Window(), WM_RBUTTONUP, 0, MAKELPARAM(inSlot1.x, inSlot1.y));
         }),
         [&] { return (editor = FindWindowA(nullptr, kEditorTitle)) != nullptr; },
         apptest::ModalScript::Do([&] {
             GetDlgItemTextA(editor, IDC_DESTINATION_ADDRESS, shown, sizeof shown);
             PostMessageA(editor, WM_COMMAND, IDCANCEL, 0);
         }),
         [&] { return !IsWindow(editor); }});
    RunScript(script);
    ASSERT_TRUE(script.Finished());
    EXPECT_STREQ("Smith & Sons", shown);
    EXPECT_EQ(before, Flags(preview));
    EXPECT_EQ("Smith && Sons", preview.Sheet().Slot(1).DEST);
}

TEST_F(PreviewControlTest, AddressEditorsOkKeepsTheNewAddressOfThatLabel) {
    PreviewControl preview(parent, IDC_PREVIEW);
    const POINT inSlot2 = Centre(preview.ScreenLayout().slots[2].label);
    HWND editor = nullptr;
    apptest::ModalScript script(
        {apptest::ModalScript::Do([&] {
             PostMessageA(preview.Window(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(inSlot2.x, inSlot2.y));
             PostMessageA(preview.Window(), WM_RBUTTONUP, 0, MAKELPARAM(inSlot2.x, inSlot2.y));
         }),
         [&] { return (editor = FindWindowA(nullptr, kEditorTitle)) != nullptr; },
         apptest::ModalScript::Do([&] {
             SetDlgItemTextA(editor, IDC_DESTINATION_ADDRESS, "ACME & Co\r\nHigh Street");
             PostMessageA(editor, WM_COMMAND, IDOK, 0);
         }),
         [&] { return !IsWindow(editor); }});
    RunScript(script);
    ASSERT_TRUE(script.Finished());
    EXPECT_EQ("ACME && Co\r\nHigh Street", preview.Sheet().Slot(2).DEST);
    EXPECT_EQ(kDefaultDest, preview.Sheet().Slot(1).DEST);
}

TEST_F(PreviewControlTest, RightPressDoesNotFinishALeftClick) {
    PreviewControl preview(parent, IDC_PREVIEW);
    const POINT inSlot1 = Centre(preview.ScreenLayout().slots[1].label);
    const std::vector<bool> before = Flags(preview);
    SendMessageA(preview.Window(), WM_RBUTTONDOWN, 0, MAKELPARAM(inSlot1.x, inSlot1.y));
    SendMessageA(preview.Window(), WM_LBUTTONUP, 0, MAKELPARAM(inSlot1.x, inSlot1.y));
    EXPECT_EQ(before, Flags(preview));
}

TEST_F(PreviewControlTest, PaintsTheOutlineTheBackgroundAndTheLabels) {
    PreviewControl preview(parent, IDC_PREVIEW);
    preview.Redraw();
    const SheetLayout& layout = preview.ScreenLayout();
    RECT client{};
    GetClientRect(preview.Window(), &client);
    EXPECT_EQ(RGB(0, 0, 0), apptest::WindowPixel(preview.Window(), 0, 0));
    EXPECT_EQ(RGB(0, 0, 0), apptest::WindowPixel(preview.Window(), client.right - 1, client.bottom - 1));
    EXPECT_EQ(RGB(0, 0, 0), apptest::WindowPixel(preview.Window(), client.right / 2, client.bottom - 1));
    // 0x00C0F0FF: the top margin above the labels.
    EXPECT_EQ(RGB(0xFF, 0xF0, 0xC0), apptest::WindowPixel(preview.Window(), 1, 1));
    EXPECT_EQ(RGB(0xFF, 0xF0, 0xC0),
              apptest::WindowPixel(preview.Window(), client.right / 2, layout.slots[0].label.top - 1));
    // A bright enabled label (slot 0) and a washed-out disabled one (slot 1), between border and text.
    const DeviceRect& on = layout.slots[0].label;
    const DeviceRect& off = layout.slots[1].label;
    EXPECT_EQ(RGB(0xFF, 0xFF, 0xFF),
              apptest::WindowPixel(preview.Window(), FillPoint(on).x, FillPoint(on).y));
    EXPECT_EQ(RGB(0xFE, 0xF4, 0xD6),
              apptest::WindowPixel(preview.Window(), FillPoint(off).x, FillPoint(off).y));
}

TEST_F(PreviewControlTest, ClickRepaintsBeforeTheHandlerReturns) {
    PreviewControl preview(parent, IDC_PREVIEW);
    preview.Redraw();
    const DeviceRect& label = preview.ScreenLayout().slots[1].label;
    const POINT inside = FillPoint(label);
    const POINT centre = Centre(label);
    Click(preview, centre, centre);
    EXPECT_EQ(RGB(0xFF, 0xFF, 0xFF), apptest::WindowPixel(preview.Window(), inside.x, inside.y));
}

TEST_F(PreviewControlTest, LoadingAMissingFileGivesTheDefaults) {
    PreviewControl preview(parent, IDC_PREVIEW);
    preview.Sheet().MutableSettings().COLS = 5;
    preview.Sheet().Slot(7).enabled = true;
    preview.LoadFromPath(folder.File("no such file.tgm"));
    EXPECT_EQ(2, preview.Sheet().Settings().COLS);
    EXPECT_FALSE(preview.Sheet().Slot(7).enabled);
    EXPECT_EQ(8, preview.ScreenLayout().count);
    EXPECT_TRUE(messages.Texts().empty());
}

}  // namespace
}  // namespace tagmora
