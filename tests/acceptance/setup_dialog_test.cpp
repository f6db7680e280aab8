// The Setup Dialog through the real program: opened with the Setup button, its sliders moved with the
// mouse, its buttons clicked, the platform's file and font choosers typed at; what it stored is read from
// the files the program wrote and from the preview on the screen.
#include <gtest/gtest.h>
#include <windows.h>
// clang-format off
#include <commctrl.h>
#include <dlgs.h>
// clang-format on

#include "acceptance_fixture.h"
#include "model/setup_file.h"
#include "model/user_message.h"
#include "real_input.h"
#include "res/resource_ids.h"
#include "screen_capture.h"

namespace tagmora::acceptance {
namespace {

using namespace std::chrono_literals;
using testing::TestFolder;

// The Setup Dialog, once the Setup button has opened it; null otherwise.
HWND OpenSetup(const ProgramSession& session) {
    Click(ControlCentre(session.MainWindow(), IDC_SETUP));
    return WaitForWindow(session, "Label Sheet Setup", 5s);
}

std::string Box(HWND setup, int controlId) {
    return WindowText(GetDlgItem(setup, controlId));
}

SheetSettings SettingsIn(const std::string& file) {
    return SheetIn(file).Settings();
}

HWND UnderPointer() {
    POINT pointer{};
    GetCursorPos(&pointer);
    return WindowFromPoint(pointer);
}

// A "»" clicked as a person clicks it; the trackbar of the Value Slider it opened, which holds the
// pointer, or null.
HWND OpenSlider(HWND setup, int sliderId) {
    // Settled first: a report of this move that reached the program after the thumb was grabbed would
    // drag the thumb back towards the "»".
    MovePointer(ControlCentre(setup, sliderId));
    Sleep(250);
    Click(ControlCentre(setup, sliderId));
    const auto grabbed = [setup] {
        return GetParent(UnderPointer()) != setup && GetDlgCtrlID(UnderPointer()) == IDC_SLIDER_TRACKBAR;
    };
    return WaitUntil(grabbed, 5s) ? UnderPointer() : nullptr;
}

// The pointer, no button held, beyond one end of the trackbar: the box follows while the popup is open.
void MoveBeyond(HWND trackbar, bool top, HWND setup, int boxId, const std::string& expected) {
    const RECT track = ClientRectOnScreen(trackbar);
    MovePointer({(track.left + track.right) / 2, top ? track.top - 30 : track.bottom + 30});
    EXPECT_TRUE(WaitUntil([&] { return Box(setup, boxId) == expected; }, 3s)) << Box(setup, boxId);
    EXPECT_TRUE(IsWindowVisible(trackbar)) << "the popup closed while the pointer moved";
}

// A click wherever the pointer is closes the slider, and the pointer goes back over its "»".
void ClickToClose(HWND trackbar, HWND setup, int sliderId) {
    POINT pointer{};
    GetCursorPos(&pointer);
    Click(pointer);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(trackbar); }, 3s)) << "a click did not close the slider";
    EXPECT_EQ(GetDlgItem(setup, sliderId), UnderPointer());
}

// Types the name into the file chooser that the button opened, and confirms it.
bool ChooseFileName(const ProgramSession& session, HWND setup, int buttonId, const char* title,
                    const std::string& name) {
    Click(ControlCentre(setup, buttonId));
    const HWND chooser = WaitForWindow(session, title, 5s);
    TypeText(name);
    PressKey(VK_RETURN);
    return chooser && WaitUntil([&] { return !IsWindow(chooser); }, 5s);
}

// True once the dialog is gone and the program has done what follows it (the preview's layout and
// repaint): a message to its Main Window is answered only back in the Main Window's own loop.
bool Closed(HWND setup, HWND main) {
    DWORD_PTR answer = 0;
    return WaitUntil([&] { return !IsWindow(setup); }, 5s) &&
           SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &answer);
}

bool PressToClose(HWND setup, int buttonId) {
    const HWND main = GetWindow(setup, GW_OWNER);
    Click(ControlCentre(setup, buttonId));
    return Closed(setup, main);
}

// The preview shows the sheet's grid in the paper's proportions, with labels 0 and 3 on.
void ExpectPreviewOf(HWND main, const SheetSettings& settings, const char* screenshot) {
    const ScreenLabels labels(main, settings);
    const RECT& p = labels.preview;
    EXPECT_NEAR(double(settings.WMM) / settings.HMM, double(p.right - p.left) / (p.bottom - p.top), 0.01);
    ASSERT_EQ(settings.COLS * settings.ROWS, labels.layout.count);
    RECT frame{};
    GetWindowRect(main, &frame);
    const ScreenCapture screen(frame);
    EXPECT_TRUE(screen.SavePng(ScreenshotPath(screenshot)));
    for (int slot = 0; slot < labels.layout.count; ++slot) {
        const COLORREF expected = (slot == 0 || slot == 3) ? RGB(0xFF, 0xFF, 0xFF) : RGB(0xFE, 0xF4, 0xD6);
        EXPECT_TRUE(NearColour(screen.At(labels.FillPoint(slot)), expected)) << screenshot << " " << slot;
    }
}

// "Courier New", Bold, 20 points and Maroon in the platform's font chooser, picked with the keys and
// clicks a person would use: a typed name selects its entry, Down and Up make it the choice.
bool ChooseBoldCourierInMaroon(const ProgramSession& session, HWND setup) {
    Click(ControlCentre(setup, IDC_SETUP_CHOOSE_FONT));
    const HWND chooser = WaitForWindow(session, "Font", 5s);
    for (const char* choice : {"Courier New", "Bold", "20"}) {
        TypeText(choice);
        PressKey(VK_DOWN);
        PressKey(VK_UP);
        PressKey(VK_TAB);
    }
    EXPECT_EQ("Bold", WindowText(GetDlgItem(chooser, cmb2)));
    EXPECT_EQ("20", WindowText(GetDlgItem(chooser, cmb3)));
    Click(ControlCentre(chooser, cmb4));
    PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    Click(ControlCentre(chooser, IDOK));
    return chooser && WaitUntil([&] { return !IsWindow(chooser); }, 5s);
}

// The colour button's picker, given 255 as its red and ended with the picker's button.
void PickRed(const ProgramSession& session, HWND setup, int buttonId, int pickerButton) {
    Click(ControlCentre(setup, buttonId));
    const HWND picker = WaitForWindow(session, "Color Picker", 5s);
    ASSERT_NE(nullptr, picker) << buttonId << " opened no Colour Picker";
    Click(ControlCentre(picker, IDC_RED_EDIT));
    PressKey(VK_HOME);
    PressKeys({VK_SHIFT, VK_END});
    TypeText("255");
    Click(ControlCentre(picker, pickerButton));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(picker); }, 5s));
}

COLORREF Swatch(HWND setup, int buttonId) {
    return ScreenCapture(ClientRectOnScreen(setup)).At(ControlCentre(setup, buttonId));
}

bool IsInk(COLORREF c) {
    return GetRValue(c) < 0xA0 && GetGValue(c) < 0x60 && GetBValue(c) < 0x60;
}

using SetupDialogTest = AcceptanceTest;

TEST_F(SetupDialogTest, CancelAfterSlidersTicksAndColoursLeavesWmDatByteForByte) {
    auto session = Start(true);
    ASSERT_TRUE(session->Started());
    CloseWithEscape(*session);
    const std::string before = TestFolder::ReadBytes(StateFile());
    session = Start(true);
    ASSERT_TRUE(session->Started());
    HWND setup = nullptr;
    ASSERT_TRUE(setup = OpenSetup(*session)) << "the Setup button opened no Setup Dialog";
    Sleep(500);
    RECT frame{};
    GetWindowRect(setup, &frame);
    EXPECT_TRUE(ScreenCapture(frame).SavePng(ScreenshotPath("setup_dialog.png")));

    // COLS 2 in the range 1 to 8: position 7, six steps below the top, where the pointer holds the thumb.
    HWND trackbar = nullptr;
    ASSERT_TRUE(trackbar = OpenSlider(setup, IDC_SETUP_COLS_SLIDER)) << "no slider holds the pointer";
    EXPECT_EQ(7, SendMessageA(trackbar, TBM_GETPOS, 0, 0)) << "the box shows " << Box(setup, IDC_SETUP_COLS);
    RECT popup{}, chevron{};  // the popup stands on the "»", its bottom edge at the middle of it
    GetWindowRect(GetParent(trackbar), &popup);
    GetWindowRect(GetDlgItem(setup, IDC_SETUP_COLS_SLIDER), &chevron);
    EXPECT_EQ(chevron.left, popup.left);
    EXPECT_EQ((chevron.top + chevron.bottom) / 2, popup.bottom);
    const RECT track = ClientRectOnScreen(trackbar);
    POINT pointer{};
    GetCursorPos(&pointer);
    EXPECT_NEAR(6.0 / 7.0, double(pointer.y - track.top) / (track.bottom - track.top), 0.12);
    MoveBeyond(trackbar, true, setup, IDC_SETUP_COLS, "8");
    MoveBeyond(trackbar, false, setup, IDC_SETUP_COLS, "1");
    ClickToClose(trackbar, setup, IDC_SETUP_COLS_SLIDER);

    // A picker ended with Cancel keeps its button's colour; one ended with OK shows its colour at once.
    PickRed(*session, setup, IDC_SETUP_COLD, IDCANCEL);
    PickRed(*session, setup, IDC_SETUP_COLDIV, IDOK);
    EXPECT_TRUE(NearColour(Swatch(setup, IDC_SETUP_COLD), RGB(0, 0, 0)));
    EXPECT_TRUE(NearColour(Swatch(setup, IDC_SETUP_COLDIV), RGB(0xFF, 0, 0)));
    Click(ControlCentre(setup, IDC_SETUP_YFLP));
    Click(ControlCentre(setup, IDC_SETUP_BDON));
    EXPECT_EQ(BST_CHECKED, SendMessageA(GetDlgItem(setup, IDC_SETUP_YFLP), BM_GETCHECK, 0, 0));
    // Enter in a number box leaves the dialog open; in a sender box it makes a new line.
    Click(ControlCentre(setup, IDC_SETUP_WMM));
    PressKey(VK_RETURN);
    Click(ControlCentre(setup, IDC_SETUP_SEND2));
    PressKeys({VK_CONTROL, VK_END});
    TypeText("\r\nx");
    EXPECT_TRUE(IsWindowVisible(setup)) << "Enter closed the dialog";
    EXPECT_EQ(std::string(kDefaultSend2) + "\r\nx", Box(setup, IDC_SETUP_SEND2));

    ASSERT_TRUE(PressToClose(setup, IDCANCEL));
    CloseWithEscape(*session);
    EXPECT_EQ(before, TestFolder::ReadBytes(StateFile()));
}

TEST_F(SetupDialogTest, PaperButtonsAndSliderEndsAreStoredByOkAndSavedNamesGetTheirExtension) {
    auto session = Start(true);
    ASSERT_TRUE(session->Started());
    HWND setup = nullptr, trackbar = nullptr;
    ASSERT_TRUE(setup = OpenSetup(*session));
    Click(ControlCentre(setup, IDC_SETUP_LEGAL));
    EXPECT_EQ("216", Box(setup, IDC_SETUP_WMM));
    EXPECT_EQ("356", Box(setup, IDC_SETUP_HMM));
    ASSERT_TRUE(trackbar = OpenSlider(setup, IDC_SETUP_COLS_SLIDER));
    MoveBeyond(trackbar, true, setup, IDC_SETUP_COLS, "8");
    ClickToClose(trackbar, setup, IDC_SETUP_COLS_SLIDER);
    // Saved before OK: the sheet as the preview shows it.
    ASSERT_TRUE(ChooseFileName(*session, setup, IDC_SETUP_SAVE, "Save As", folder.File("mysheet")));
    EXPECT_EQ(2, SettingsIn(folder.File("mysheet.tgm")).COLS);
    ASSERT_TRUE(PressToClose(setup, IDC_SETUP_OK));
    SheetSettings legal;
    legal.WMM = 216;
    legal.HMM = 356;
    legal.COLS = 8;
    ExpectPreviewOf(session->MainWindow(), legal, "setup_preview_after_ok.png");

    ASSERT_TRUE(setup = OpenSetup(*session));
    Click(ControlCentre(setup, IDC_SETUP_LETTER));
    ASSERT_TRUE(trackbar = OpenSlider(setup, IDC_SETUP_COLS_SLIDER));
    MoveBeyond(trackbar, false, setup, IDC_SETUP_COLS, "1");
    ClickToClose(trackbar, setup, IDC_SETUP_COLS_SLIDER);
    ASSERT_TRUE(ChooseFileName(*session, setup, IDC_SETUP_SAVE, "Save As", folder.File("mysheet.txt")));
    ASSERT_TRUE(PressToClose(setup, IDC_SETUP_OK));
    ASSERT_TRUE(setup = OpenSetup(*session));
    Click(ControlCentre(setup, IDC_SETUP_A4));
    ASSERT_TRUE(ChooseFileName(*session, setup, IDC_SETUP_SAVE, "Save As", folder.File("old.tgm.bak")));
    ASSERT_TRUE(PressToClose(setup, IDC_SETUP_OK));
    // "mysheet.txt" is free, so the chooser asks nothing; "mysheet.txt.tgm" is not: the program asks, and
    // Enter answers No.
    ASSERT_TRUE(setup = OpenSetup(*session));
    ASSERT_TRUE(ChooseFileName(*session, setup, IDC_SETUP_SAVE, "Save As", folder.File("mysheet.txt")));
    const HWND question = WaitForWindow(*session, kProductCaption, 5s);
    ASSERT_NE(nullptr, question) << "saving over mysheet.txt.tgm asked nothing";
    EXPECT_NE(std::string::npos, MessageBoxText(question).find("mysheet.txt.tgm already exists."));
    ASSERT_TRUE(Activate(question));
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(question); }, 5s));
    ASSERT_TRUE(PressToClose(setup, IDCANCEL));
    CloseWithEscape(*session);

    const std::vector<std::string> files{"Tagmora.exe", "mysheet.tgm",        "mysheet.txt.tgm",
                                         "old.tgm.bak", "sheet-products.txt", "wm.dat"};
    EXPECT_EQ(files, FileNamesIn(folder.Path()));
    // Legal with 8 columns, letter with 1, then A4: each as the preview showed it when it was saved.
    const SheetSettings savedLegal = SettingsIn(folder.File("mysheet.txt.tgm"));
    const SheetSettings savedLetter = SettingsIn(folder.File("old.tgm.bak"));
    const SheetSettings stored = SettingsIn(StateFile());
    EXPECT_EQ((std::vector<int>{216, 356, 8, 216, 279, 1, 210, 297, 1}),
              (std::vector<int>{savedLegal.WMM, savedLegal.HMM, savedLegal.COLS, savedLetter.WMM,
                                savedLetter.HMM, savedLetter.COLS, stored.WMM, stored.HMM, stored.COLS}));
}

TEST_F(SetupDialogTest, ALoadedSetupStandsInThePreviewAndAChosenFontGivesOnlyItsFaceAndColour) {
    LabelSheet wide;
    wide.MutableSettings().WMM = 297;  // beyond the width slider's 250
    wide.MutableSettings().HMM = 250;
    wide.MutableSettings().COLS = 3;
    wide.MutableSettings().ROWS = 2;
    TestFolder::WriteBytes(folder.File("wide.tgm"), WriteSetupFile(wide));
    auto session = Start(true);
    ASSERT_TRUE(session->Started());
    const HWND main = session->MainWindow();
    HWND setup = nullptr, trackbar = nullptr;

    // A pending tick, then a load: the dialog closes and the loaded setup stands, re-proportioned.
    ASSERT_TRUE(setup = OpenSetup(*session));
    Click(ControlCentre(setup, IDC_SETUP_YFLP));
    ASSERT_TRUE(ChooseFileName(*session, setup, IDC_SETUP_LOAD, "Open", folder.File("wide.tgm")));
    ASSERT_TRUE(Closed(setup, main)) << "the load left the dialog open";
    ExpectPreviewOf(main, wide.Settings(), "setup_preview_loaded.png");
    // The loaded width is out of the slider's range: the box shows the slider's end as soon as it paints.
    ASSERT_TRUE(setup = OpenSetup(*session));
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(GetDlgItem(setup, IDC_SETUP_YFLP), BM_GETCHECK, 0, 0));
    EXPECT_EQ("297", Box(setup, IDC_SETUP_WMM));
    ASSERT_TRUE(trackbar = OpenSlider(setup, IDC_SETUP_WMM_SLIDER));
    EXPECT_TRUE(WaitUntil([&] { return Box(setup, IDC_SETUP_WMM) == "250"; }, 3s));
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(trackbar); }, 3s)) << "Escape did not close the slider";
    ASSERT_TRUE(PressToClose(setup, IDC_SETUP_OK));
    wide.MutableSettings().WMM = 250;
    ExpectPreviewOf(main, wide.Settings(), "setup_preview_clamped.png");
    // A name that does not exist: the defaults.
    ASSERT_TRUE(setup = OpenSetup(*session));
    ASSERT_TRUE(ChooseFileName(*session, setup, IDC_SETUP_LOAD, "Open", folder.File("nothere")));
    ASSERT_TRUE(Closed(setup, main));
    ExpectPreviewOf(main, SheetSettings{}, "setup_preview_defaults.png");

    constexpr COLORREF kMaroon = RGB(0x80, 0, 0);
    const RECT preview = ClientRectOnScreen(GetDlgItem(main, IDC_PREVIEW));
    const ScreenCapture tahoma(preview);
    ASSERT_TRUE(setup = OpenSetup(*session));
    ASSERT_TRUE(ChooseBoldCourierInMaroon(*session, setup));
    EXPECT_EQ("Courier New", Box(setup, IDC_SETUP_FONT));
    EXPECT_TRUE(NearColour(Swatch(setup, IDC_SETUP_COLD), kMaroon));
    ASSERT_TRUE(PressToClose(setup, IDC_SETUP_OK));
    // The same labels in another face and colour: other pixels are ink, and some of them maroon.
    const ScreenCapture courier(preview);
    EXPECT_TRUE(courier.SavePng(ScreenshotPath("setup_preview_courier.png")));
    int changedInk = 0, maroon = 0;
    for (int y = preview.top; y < preview.bottom; ++y) {
        for (int x = preview.left; x < preview.right; ++x) {
            changedInk += IsInk(tahoma.At({x, y})) != IsInk(courier.At({x, y}));
            maroon += NearColour(courier.At({x, y}), kMaroon, 16);
        }
    }
    EXPECT_GT(changedInk, 1000);
    EXPECT_GT(maroon, 200);
    CloseWithEscape(*session);
    EXPECT_EQ("Courier New", SettingsIn(StateFile()).FONT);
    EXPECT_EQ(kMaroon, SettingsIn(StateFile()).COLD);
}

}  // namespace
}  // namespace tagmora::acceptance
