// The Address Editor driven through its controls, as a user would: text typed into the box, buttons
// clicked, Escape and the close box.
#include "dialogs/address_editor.h"

#include <gtest/gtest.h>

#include "res/resource_ids.h"
#include "window_test_support.h"

namespace tagmora {
namespace {

using apptest::ModalScript;

BOOL CALLBACK MatchEditor(HWND window, LPARAM found) {
    char caption[64] = {};
    GetWindowTextA(window, caption, sizeof caption);
    if (IsWindowVisible(window) && std::string(caption) == "Edit Labels Destination Address") {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindEditor() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), MatchEditor, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Each step waits until the editor is up, then acts on it once.
ModalScript::Step OnEditor(std::function<void(HWND editor)> action) {
    return [action = std::move(action)] {
        const HWND editor = FindEditor();
        if (!editor)
            return false;
        action(editor);
        return true;
    };
}

ModalScript::Step Type(const std::string& text) {
    return OnEditor([text](HWND editor) { SetDlgItemTextA(editor, IDC_DESTINATION_ADDRESS, text.c_str()); });
}

ModalScript::Step Click(int controlId) {
    return OnEditor(
        [controlId](HWND editor) { SendMessageA(GetDlgItem(editor, controlId), BM_CLICK, 0, 0); });
}

ModalScript::Step Read(std::string& into) {
    return OnEditor([&into](HWND editor) {
        char text[4096] = {};
        GetDlgItemTextA(editor, IDC_DESTINATION_ADDRESS, text, sizeof text);
        into = text;
    });
}

// Posted as a key press arrives, so that the dialog's own message loop translates it.
ModalScript::Step PressEscape() {
    return OnEditor([](HWND editor) {
        const HWND box = GetDlgItem(editor, IDC_DESTINATION_ADDRESS);
        SetFocus(box);
        PostMessageA(box, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        PostMessageA(box, WM_KEYUP, VK_ESCAPE, static_cast<LPARAM>(0xC0010001u));
    });
}

ModalScript::Step CloseBox() {
    return OnEditor([](HWND editor) { PostMessageA(editor, WM_SYSCOMMAND, SC_CLOSE, 0); });
}

class AddressEditorTest : public ::testing::Test {
  protected:
    void SetUp() override { SKIP_WITHOUT_WINDOWS(); }

    INT_PTR Run(int slot, std::vector<ModalScript::Step> steps) {
        ModalScript script(std::move(steps), std::chrono::seconds(10));
        AddressEditor editor(sheet, slot, nullptr);
        const INT_PTR result = editor.RunModal();
        EXPECT_TRUE(script.Finished());
        EXPECT_FALSE(script.TimedOut());
        return result;
    }

    LabelSheet sheet;
};

TEST_F(AddressEditorTest, ShowsOneAmpersandAndStoresItDoubled) {
    sheet.Slot(5).DEST = "Smith && Sons\r\nHigh St";
    std::string shown;
    EXPECT_EQ(IDOK, Run(5, {Read(shown), Click(IDOK)}));
    EXPECT_EQ("Smith & Sons\r\nHigh St", shown);
    EXPECT_EQ("Smith && Sons\r\nHigh St", sheet.Slot(5).DEST);
}

TEST_F(AddressEditorTest, OkStoresTheTypedTextInTheEditedSlotOnly) {
    const LabelSheet before = sheet;
    EXPECT_EQ(IDOK, Run(2, {Type("A & B\r\nRoad"), Click(IDOK)}));
    EXPECT_EQ("A && B\r\nRoad", sheet.Slot(2).DEST);
    for (int i = 0; i < kSlotCount; ++i) {
        if (i != 2)
            EXPECT_EQ(before.Slot(i), sheet.Slot(i)) << i;
    }
    EXPECT_EQ(before.Slot(2).enabled, sheet.Slot(2).enabled);
}

TEST_F(AddressEditorTest, AllLabelsOnAndOffDiscardTheTypedText) {
    const std::string previous = sheet.Slot(1).DEST;
    EXPECT_EQ(IDOK, Run(1, {Type("typed, not kept"), Click(IDC_ALL_LABELS_ON)}));
    for (int i = 0; i < kSlotCount; ++i)
        EXPECT_TRUE(sheet.Slot(i).enabled) << i;
    EXPECT_EQ(previous, sheet.Slot(1).DEST);

    EXPECT_EQ(IDOK, Run(1, {Type("typed again"), Click(IDC_ALL_LABELS_OFF)}));
    for (int i = 0; i < kSlotCount; ++i)
        EXPECT_FALSE(sheet.Slot(i).enabled) << i;
    EXPECT_EQ(previous, sheet.Slot(1).DEST);
}

TEST_F(AddressEditorTest, ClearAddressesEmptiesEverySlotBeyondTheGridToo) {
    sheet.Slot(120).DEST = "far away";
    EXPECT_EQ(IDOK, Run(0, {Type("typed"), Click(IDC_CLEAR_ADDRESSES)}));
    for (int i = 0; i < kSlotCount; ++i)
        EXPECT_EQ("", sheet.Slot(i).DEST) << i;
}

TEST_F(AddressEditorTest, AllLabelsBeThisStoresTheDoubledFormEverywhere) {
    EXPECT_EQ(IDOK, Run(3, {Type("Smith & Sons"), Click(IDC_ALL_LABELS_BE_THIS)}));
    for (int i = 0; i < kSlotCount; ++i)
        EXPECT_EQ("Smith && Sons", sheet.Slot(i).DEST) << i;
    EXPECT_TRUE(sheet.Slot(0).enabled);  // flags untouched
    EXPECT_FALSE(sheet.Slot(1).enabled);

    std::string shown;
    EXPECT_EQ(IDCANCEL, Run(77, {Read(shown), CloseBox()}));
    EXPECT_EQ("Smith & Sons", shown);
}

TEST_F(AddressEditorTest, AutoFormatRewritesTheBoxAndKeepsTheDialogOpen) {
    std::string formatted;
    EXPECT_EQ(IDOK, Run(0, {Type("mr a sample, 42 road, ab1 2cd"), Click(IDC_AUTO_FORMAT), Read(formatted),
                            Click(IDOK)}));
    EXPECT_EQ("Mr A Sample\r\n42 Road\r\nAB1 2CD", formatted);
    EXPECT_EQ(formatted, sheet.Slot(0).DEST);
}

TEST_F(AddressEditorTest, EscapeAndTheCloseBoxChangeNothing) {
    const LabelSheet before = sheet;
    EXPECT_EQ(IDCANCEL, Run(0, {Type("jane doe, 1 street"), Click(IDC_AUTO_FORMAT), PressEscape()}));
    EXPECT_EQ(before, sheet);
    EXPECT_EQ(IDCANCEL, Run(0, {Type("changed"), CloseBox()}));
    EXPECT_EQ(before, sheet);
}

}  // namespace
}  // namespace tagmora
