// Tagmora.exe as a person uses it: started from its own folder, looked at, clicked, typed at, closed and
// started again. Each test runs the real program in a fresh folder of its own.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "acceptance_fixture.h"
#include "model/setup_file.h"
#include "model/sheet_persistence.h"
#include "real_input.h"
#include "res/resource_ids.h"
#include "screen_capture.h"
#include "site_config.h"

namespace tagmora::acceptance {
namespace {

using namespace std::chrono_literals;
using testing::TestFolder;

constexpr COLORREF kEnabledFill = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kDisabledFill = RGB(0xFE, 0xF4, 0xD6);  // 0x00D6F4FE

// The file that the bench's browser capture appends every opened URL to, when the bench set one up.
std::string BrowserLog() {
    char path[MAX_PATH] = {};
    return GetEnvironmentVariableA("TAGMORA_BROWSER_LOG", path, sizeof path) > 0 ? path : "";
}

// How often the URL was opened so far: the log holds one URL a line.
int TimesOpened(const std::string& log, const std::string& url) {
    const std::string text = TestFolder::IsFile(log) ? TestFolder::ReadBytes(log) : "";
    int count = 0;
    for (std::string::size_type at = text.find(url); at != std::string::npos; at = text.find(url, at + 1))
        ++count;
    return count;
}

TEST_F(AcceptanceTest, FirstStartShowsTwoByFourLabelsWithTheFirstAndFourthBrightInTheMiddleOfTheScreen) {
    auto session = Start(true);
    ASSERT_TRUE(session->Started());
    HWND main = session->MainWindow();

    RECT frame{}, work{};
    GetWindowRect(main, &frame);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_LE(std::abs((frame.left + frame.right) - (work.left + work.right)), 4);
    EXPECT_LE(std::abs((frame.top + frame.bottom) - (work.top + work.bottom)), 4);

    const ScreenLabels labels(main, SheetSettings{});
    ASSERT_EQ(8, labels.layout.count);
    const ScreenCapture screen(frame);
    EXPECT_TRUE(screen.SavePng(ScreenshotPath("first_start.png")));
    for (int slot = 0; slot < 8; ++slot) {
        const COLORREF expected = (slot == 0 || slot == 3) ? kEnabledFill : kDisabledFill;
        const COLORREF seen = screen.At(labels.FillPoint(slot));
        EXPECT_TRUE(NearColour(seen, expected)) << "slot " << slot << " shows " << std::hex << seen;
    }
    // The preview's one-pixel black outline and its pale background above the first row.
    EXPECT_TRUE(NearColour(screen.At({labels.preview.left, labels.preview.top}), RGB(0, 0, 0)));
    EXPECT_TRUE(NearColour(screen.At({labels.Centre(0).x, labels.preview.top + 2}), RGB(0xFF, 0xF0, 0xC0)));
    if (HasPictures()) {
        for (int id :
             {IDC_TITLE_PICTURE, IDC_ABOUT, IDC_SETUP, IDC_PRINT, IDC_HELP_PANEL, IDC_ADDRESSES, IDC_EXIT}) {
            EXPECT_EQ(BS_OWNERDRAW, GetWindowLongPtrA(GetDlgItem(main, id), GWL_STYLE) & BS_TYPEMASK) << id;
        }
    }
    EXPECT_EQ(nullptr, session->FindOtherDialog());
    EXPECT_FALSE(TestFolder::IsFile(StateFile()));  // written when the program closes

    const POINT closeBox = CaptionButton(main, HTCLOSE);
    ASSERT_GE(closeBox.x, 0) << "no close box on the caption";
    Click(closeBox);
    ASSERT_TRUE(session->WaitForExit(10s)) << "the close box did not close the program";
    EXPECT_EQ(0u, TestFolder::ReadBytes(StateFile()).find(kSetupFileHeader));
}

TEST_F(AcceptanceTest, LeftClickBrightensALabelAndAPressReleasedInAnotherLabelChangesNothing) {
    auto session = Start(true);
    ASSERT_TRUE(session->Started());
    HWND main = session->MainWindow();
    const ScreenLabels labels(main, SheetSettings{});

    Click(labels.Centre(1));
    ASSERT_TRUE(WaitUntil(
        [&] { return NearColour(ScreenCapture(labels.preview).At(labels.FillPoint(1)), kEnabledFill); }, 3s))
        << "the clicked label did not turn bright";

    Drag(labels.Centre(2), labels.Centre(4));
    Sleep(300);
    const ScreenCapture after(labels.preview);
    EXPECT_TRUE(NearColour(after.At(labels.FillPoint(2)), kDisabledFill));
    EXPECT_TRUE(NearColour(after.At(labels.FillPoint(4)), kDisabledFill));
    EXPECT_TRUE(NearColour(after.At(labels.FillPoint(1)), kEnabledFill));
    EXPECT_TRUE(after.SavePng(ScreenshotPath("after_clicks.png")));

    CloseWithEscape(*session);
    const LabelSheet saved = SheetIn(StateFile());
    EXPECT_TRUE(saved.Slot(1).enabled);
    EXPECT_FALSE(saved.Slot(2).enabled);
    EXPECT_FALSE(saved.Slot(4).enabled);
}

TEST_F(AcceptanceTest, EnterKeepsTheWindowOpenAndEscapeClosesItKeepingTheFlags) {
    auto session = Start(true);
    ASSERT_TRUE(session->Started());
    HWND main = session->MainWindow();
    const ScreenLabels labels(main, SheetSettings{});
    Click(labels.Centre(0));  // off
    Click(labels.Centre(5));  // on

    ASSERT_TRUE(Activate(main));
    PressKey(VK_RETURN);
    Sleep(500);
    EXPECT_TRUE(session->Running());
    EXPECT_TRUE(IsWindowVisible(main));

    CloseWithEscape(*session);
    const std::string text = TestFolder::ReadBytes(StateFile());
    EXPECT_EQ(0u, text.find(kSetupFileHeader));
    const LabelSheet saved = SheetIn(StateFile());
    for (int slot = 0; slot < kSlotCount; ++slot) {
        EXPECT_EQ(slot == 3 || slot == 5, saved.Slot(slot).enabled) << slot;
    }
}

TEST_F(AcceptanceTest, MovedWindowStartsWhereItWasAndMaximisedStaysMaximised) {
    RECT moved{};
    {
        auto session = Start(true);
        ASSERT_TRUE(session->Started());
        HWND main = session->MainWindow();
        RECT frame{};
        GetWindowRect(main, &frame);
        const RECT client = ClientRectOnScreen(main);
        const POINT caption{(frame.left + frame.right) / 2 - 40, (frame.top + client.top) / 2};
        Drag(caption, {caption.x - 90, caption.y - 50});
        ASSERT_TRUE(WaitUntil(
            [&] {
                GetWindowRect(main, &moved);
                return moved.left == frame.left - 90 && moved.top == frame.top - 50;
            },
            3s))
            << "dragging the caption did not move the window";
        CloseWithEscape(*session);
    }
    {
        auto session = Start(true);
        ASSERT_TRUE(session->Started());
        RECT frame{};
        GetWindowRect(session->MainWindow(), &frame);
        EXPECT_EQ(moved.left, frame.left);
        EXPECT_EQ(moved.top, frame.top);

        HWND main = session->MainWindow();
        const POINT box = CaptionButton(main, HTMAXBUTTON);
        ASSERT_GE(box.x, 0) << "no maximise box on the caption";
        Click(box);
        ASSERT_TRUE(WaitUntil([&] { return IsZoomed(main) != FALSE; }, 3s))
            << "the maximise box did not maximise";
        Sleep(300);
        const ScreenCapture maximised(ClientRectOnScreen(main));
        EXPECT_TRUE(maximised.SavePng(ScreenshotPath("maximised.png")));
        // The picture buttons moved with the right edge and show their pictures, not the white behind them.
        if (HasPictures()) {
            for (int id : {IDC_ABOUT, IDC_SETUP, IDC_PRINT, IDC_EXIT}) {
                const POINT centre = CentreOf(ClientRectOnScreen(GetDlgItem(main, id)));
                EXPECT_FALSE(NearColour(maximised.At(centre), RGB(0xFF, 0xFF, 0xFF))) << id;
            }
        }
        CloseWithEscape(*session);
    }
    EXPECT_TRUE(SheetIn(StateFile()).Settings().DLGM);
    {
        auto session = Start(true);
        ASSERT_TRUE(session->Started());
        EXPECT_TRUE(IsZoomed(session->MainWindow()));
    }
}

TEST_F(AcceptanceTest, SetupFileOnTheCommandLineIsShownAfterTheFirstTick) {
    LabelSheet wide;
    SheetSettings& s = wide.MutableSettings();
    s.COLS = 3;
    s.ROWS = 5;
    s.WMM = 250;
    s.HMM = 240;
    s.TOPMRG = 5;
    wide.SetAllEnabled(false);
    wide.Slot(7).enabled = true;
    wide.Slot(14).enabled = true;
    ASSERT_TRUE(SaveSheetToPath(wide, folder.File("wide sheet.tgm")));

    auto session = Start(true, "\"" + folder.File("wide sheet.tgm") + "\"");
    ASSERT_TRUE(session->Started());
    HWND main = session->MainWindow();
    SheetSettings shown = s;
    const ScreenLabels labels(main, shown);
    ASSERT_EQ(15, labels.layout.count);
    // Re-proportioned to the wider paper.
    const double aspect = static_cast<double>(labels.preview.right - labels.preview.left) /
                          static_cast<double>(labels.preview.bottom - labels.preview.top);
    EXPECT_NEAR(250.0 / 240.0, aspect, 0.01);

    const ScreenCapture screen(labels.preview);
    EXPECT_TRUE(screen.SavePng(ScreenshotPath("command_line_sheet.png")));
    for (int slot = 0; slot < 15; ++slot) {
        const COLORREF expected = (slot == 7 || slot == 14) ? kEnabledFill : kDisabledFill;
        EXPECT_TRUE(NearColour(screen.At(labels.FillPoint(slot)), expected)) << "slot " << slot;
    }
    EXPECT_EQ(nullptr, session->FindOtherDialog());
}

TEST_F(AcceptanceTest, WithoutPicturesTheSixTextButtonsStillWork) {
    auto session = Start(false);
    ASSERT_TRUE(session->Started());
    HWND main = session->MainWindow();
    const struct {
        int id;
        const char* text;
    } buttons[] = {
        {IDC_TITLE_PICTURE, "Tagmora\r\nProfessional"},
        {IDC_ABOUT, "About\r\nTagmora"},
        {IDC_SETUP, "Setup\r\nTagmora"},
        {IDC_PRINT, "\r\nPrint\r\nLabels"},
        {IDC_HELP_PANEL,
         "Left click a label to\r\nenable or disable.\r\n\r\nRight click a label to\r\nchange the "
         "address.\r\n\r\nClick here to  browse\r\nthe online help."},
        {IDC_ADDRESSES, "Addresses\r\nfrom a file"},
        {IDC_EXIT, "Exit\r\nTagmora"},
    };
    for (const auto& button : buttons) {
        HWND control = GetDlgItem(main, button.id);
        char text[256] = {};
        GetWindowTextA(control, text, sizeof text);
        EXPECT_STREQ(button.text, text);
        EXPECT_TRUE(IsWindowVisible(control));
        EXPECT_NE(BS_OWNERDRAW, GetWindowLongPtrA(control, GWL_STYLE) & BS_TYPEMASK);
    }
    RECT frame{};
    GetWindowRect(main, &frame);
    EXPECT_TRUE(ScreenCapture(frame).SavePng(ScreenshotPath("without_pictures.png")));

    const RECT about = ClientRectOnScreen(GetDlgItem(main, IDC_ABOUT));
    Click({(about.left + about.right) / 2, (about.top + about.bottom) / 2});
    HWND aboutWindow = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (aboutWindow = session->FindWindowTitled("About Tagmora")) != nullptr; }, 5s))
        << "the About button opened no About window";
    ASSERT_TRUE(Activate(aboutWindow));
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(aboutWindow); }, 5s));

    const RECT exit = ClientRectOnScreen(GetDlgItem(main, IDC_EXIT));
    Click({(exit.left + exit.right) / 2, (exit.top + exit.bottom) / 2});
    EXPECT_TRUE(session->WaitForExit(10s)) << "Exit did not close the program";
    EXPECT_TRUE(TestFolder::IsFile(StateFile()));
}

TEST_F(AcceptanceTest, AboutWindowTextScrollsAndEscapeClosesIt) {
    auto session = Start(true);
    ASSERT_TRUE(session->Started());
    HWND main = session->MainWindow();
    const RECT about = ClientRectOnScreen(GetDlgItem(main, IDC_ABOUT));
    Click({(about.left + about.right) / 2, (about.top + about.bottom) / 2});
    HWND aboutWindow = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (aboutWindow = session->FindWindowTitled("About Tagmora")) != nullptr; }, 5s));
    // Long enough for the product name to have come up from the bottom edge.
    Sleep(4000);
    const RECT text = ClientRectOnScreen(GetDlgItem(aboutWindow, IDC_SCROLLING_TEXT));
    const ScreenCapture first(text);
    Sleep(600);
    const ScreenCapture second(text);
    EXPECT_FALSE(first.SamePixelsAs(second)) << "the text did not move";
    RECT frame{};
    GetWindowRect(aboutWindow, &frame);
    EXPECT_TRUE(ScreenCapture(frame).SavePng(ScreenshotPath("about.png")));

    ASSERT_TRUE(Activate(aboutWindow));
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(aboutWindow); }, 5s))
        << "Escape did not close the About window";
    EXPECT_TRUE(session->Running());
    EXPECT_TRUE(IsWindowVisible(main));
}

TEST_F(AcceptanceTest, HelpPanelAndF1OpenTheOnlineGuide) {
    const std::string log = BrowserLog();
    if (log.empty())
        GTEST_SKIP() << "no browser capture (TAGMORA_BROWSER_LOG) to see the opened URL in";
    auto session = Start(true);
    ASSERT_TRUE(session->Started());
    HWND main = session->MainWindow();
    const int before = TimesOpened(log, TAGMORA_GUIDE_URL);

    Click(CentreOf(ClientRectOnScreen(GetDlgItem(main, IDC_HELP_PANEL))));
    EXPECT_TRUE(WaitUntil([&] { return TimesOpened(log, TAGMORA_GUIDE_URL) == before + 1; }, 10s))
        << "the help panel opened no guide";
    ASSERT_TRUE(Activate(main));
    PressKey(VK_F1);
    EXPECT_TRUE(WaitUntil([&] { return TimesOpened(log, TAGMORA_GUIDE_URL) == before + 2; }, 10s))
        << "F1 opened no guide";
    EXPECT_TRUE(session->Running());
    EXPECT_EQ(nullptr, session->FindOtherDialog());
}

// Hostile input, one start per case: the program must stand, say what it refused, and keep the sheet.
TEST_F(AcceptanceTest, BadInputNeverCrashesTheProgramOrWipesTheSheet) {
    LabelSheet sheet;  // nothing like the defaults, so that a wiped sheet shows
    sheet.SetAllEnabled(false);
    sheet.Slot(4) = {true, "Ann Smith\r\n2 Mill Lane"};
    sheet.MutableSettings().LOGO = folder.File("cut.bmp");
    TestFolder::WriteBytes(sheet.Settings().LOGO, SquaresBitmap(64, 8).substr(0, 54));  // headers only
    std::mt19937 random(9);
    std::string bytes(8192, '\0');
    for (char& c : bytes)
        c = static_cast<char>(random());
    TestFolder::WriteBytes(folder.File("random.tgm"), bytes);
    const struct {
        std::string commandLine, message;
        bool readOnly;
    } cases[] = {
        {"", "", false},  // only the logo cut short
        {folder.File("random.tgm"), folder.File("random.tgm") + " is not a Tagmora setup file", false},
        {"Z:\\dev\\zero", "Z:\\dev\\zero is not an ordinary file", false},
        {"", "Error exporting data to disk:\nAccess to " + StateFile() + " was denied.", true},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(SaveSheetToPath(sheet, StateFile()));
        const std::string before = TestFolder::ReadBytes(StateFile());
        if (c.readOnly)
            SetFileAttributesA(StateFile().c_str(), FILE_ATTRIBUTE_READONLY);
        // Every message, after the command-line file's tick and while the program closes, is read and
        // answered with Return.
        std::string said;
        auto session = Start(true, "\"" + c.commandLine + "\"");
        const auto answer = [&] {
            HWND box = session->FindOtherDialog();
            if (box && Activate(box)) {
                said += MessageBoxText(box);
                PressKey(VK_RETURN);
                WaitUntil([box] { return !IsWindow(box); }, 5s);
            }
            return !session->Running();
        };
        EXPECT_FALSE(answer()) << "the program ended by itself";
        EXPECT_TRUE(Activate(session->MainWindow()));
        PressKey(VK_ESCAPE);
        EXPECT_TRUE(WaitUntil(answer, 60s)) << "the program did not close within a minute";
        EXPECT_EQ(0u, session->ExitCode());
        EXPECT_TRUE(c.message.empty() ? said.empty() : said.find(c.message) != std::string::npos) << said;
        const DWORD attributes = GetFileAttributesA(StateFile().c_str());
        SetFileAttributesA(StateFile().c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(c.readOnly, (attributes & FILE_ATTRIBUTE_READONLY) != 0);
        if (c.readOnly)
            EXPECT_EQ(before, TestFolder::ReadBytes(StateFile()));
        LabelSheet saved = SheetIn(StateFile());
        saved.MutableSettings().DLGX = sheet.Settings().DLGX;  // where the window opened
        saved.MutableSettings().DLGY = sheet.Settings().DLGY;
        EXPECT_EQ(sheet, saved) << c.commandLine;
    }
}

}  // namespace
}  // namespace tagmora::acceptance
