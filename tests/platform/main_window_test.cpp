#include "app/main_window.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/main_layout.h"
#include "model/quit_request.h"
#include "model/setup_file.h"
#include "model/sheet_persistence.h"
#include "model/working_folder.h"
#include "res/resource_ids.h"
#include "site_config.h"
#include "tests/core/test_folder.h"
#include "window_test_support.h"

namespace tagmora {
namespace {

using apptest::ModalScript;
using testing::TestFolder;
using namespace std::chrono_literals;

struct PictureSize {
    const char* name;
    int width;
    int height;
};

constexpr PictureSize kButtonPictures[] = {
    {"button_title.jpg", 123, 119},      {"button_about_U.jpg", 114, 59},
    {"button_about_D.jpg", 114, 59},     {"button_setup_U.jpg", 114, 61},
    {"button_setup_D.jpg", 114, 61},     {"button_print_U.jpg", 114, 61},
    {"button_print_D.jpg", 114, 61},     {"button_exit_U.jpg", 114, 61},
    {"button_exit_D.jpg", 114, 61},      {"button_instructions.jpg", 109, 122},
    {"button_addresses_U.jpg", 114, 61}, {"button_addresses_D.jpg", 114, 61},
};

constexpr int kButtons[] = {IDC_TITLE_PICTURE, IDC_ABOUT,     IDC_SETUP, IDC_PRINT,
                            IDC_HELP_PANEL,    IDC_ADDRESSES, IDC_EXIT};

RECT ChildRect(HWND dialog, int controlId) {
    RECT rect{};
    GetWindowRect(GetDlgItem(dialog, controlId), &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Where the dialog manager puts a control of the template: position and size are converted separately.
RECT TemplateRect(HWND dialog, int x, int y, int width, int height) {
    RECT units{x, y, width, height};
    MapDialogRect(dialog, &units);
    return {units.left, units.top, units.left + units.right, units.top + units.bottom};
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// Each test has its own working folder (for wm.dat) and picture folder, and never blocks on a message box.
class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SKIP_WITHOUT_WINDOWS();
        GetCurrentDirectoryA(MAX_PATH, previousDirectory_);
        previousFolder_ = WorkingFolder();
        SetWorkingFolder(folder.Path());
        ClearQuitRequest();
    }
    void TearDown() override {
        ClearQuitRequest();
        if (!previousFolder_.empty())
            SetWorkingFolder(previousFolder_);
        SetCurrentDirectoryA(previousDirectory_);
    }
    void WriteAllPictures() {
        for (const PictureSize& picture : kButtonPictures) {
            ASSERT_TRUE(apptest::WriteJpeg(pictures.File(picture.name), picture.width, picture.height,
                                           RGB(20, 60, 140)));
        }
    }
    void WriteStateFile(const LabelSheet& sheet) {
        ASSERT_TRUE(SaveSheetToPath(sheet, folder.File("wm.dat")));
    }
    LabelSheet SavedState() const {
        LabelSheet sheet;
        ReadSetupFile(TestFolder::ReadBytes(folder.File("wm.dat")), sheet);
        return sheet;
    }
    static ModalScript::Step Close(MainWindow& window) {
        return ModalScript::Do([&window] { PostMessageA(window.Window(), WM_COMMAND, IDCANCEL, 0); });
    }

    TestFolder folder;
    TestFolder pictures;
    apptest::CapturedMessages messages;

  private:
    char previousDirectory_[MAX_PATH] = {};
    std::string previousFolder_;
};

TEST_F(MainWindowTest, ShowsVersionAndAddressInTheTitleAndLeadsToTheSheet) {
    char title[256] = {};
    SheetHolder* current = nullptr;
    HICON dragIcon = nullptr;
    INT_PTR result = 0;
    {
        MainWindow window(pictures.Path());
        ModalScript script({ModalScript::Do([&] {
                                GetWindowTextA(window.Window(), title, sizeof title);
                                current = CurrentSheet();
                                dragIcon = reinterpret_cast<HICON>(
                                    SendMessageA(window.Window(), WM_QUERYDRAGICON, 0, 0));
                            }),
                            Close(window)});
        result = window.RunModal();
        EXPECT_TRUE(script.Finished());
        EXPECT_EQ(static_cast<SheetHolder*>(window.Preview()), current);
    }
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ(std::string("Tagmora v3.32 \xA9") + TAGMORA_SITE, title);
    EXPECT_NE(nullptr, current);
    EXPECT_NE(nullptr, dragIcon);
    EXPECT_EQ(nullptr, CurrentSheet());
    // Deleting the window saved the sheet.
    EXPECT_EQ(0u, TestFolder::ReadBytes(folder.File("wm.dat")).find(kSetupFileHeader));
    EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(MainWindowTest, EnterDoesNothingAndEscapeCloses) {
    MainWindow window(pictures.Path());
    bool visibleAfterEnter = false;
    ModalScript script({ModalScript::Do([&] {
                            HWND focus = GetFocus();
                            PostMessageA(focus ? focus : window.Window(), WM_KEYDOWN, VK_RETURN, 0x001C0001);
                            PostMessageA(window.Window(), WM_COMMAND, IDOK, 0);
                        }),
                        ModalScript::Wait(300ms), ModalScript::Do([&] {
                            visibleAfterEnter = IsWindowVisible(window.Window()) != FALSE;
                            HWND focus = GetFocus();
                            PostMessageA(focus ? focus : window.Window(), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
                        })});
    EXPECT_EQ(IDCANCEL, window.RunModal());
    EXPECT_TRUE(script.Finished());
    EXPECT_TRUE(visibleAfterEnter);
}

TEST_F(MainWindowTest, ExitButtonCloses) {
    MainWindow window(pictures.Path());
    ModalScript script(
        {ModalScript::Do([&] { PostMessageA(GetDlgItem(window.Window(), IDC_EXIT), BM_CLICK, 0, 0); })});
    EXPECT_EQ(IDCANCEL, window.RunModal());
    EXPECT_TRUE(script.Finished());
}

TEST_F(MainWindowTest, QuitRequestClosesAtTheNextTick) {
    MainWindow window(pictures.Path());
    ModalScript script({ModalScript::Wait(150ms), ModalScript::Do([] { RequestQuit(); })}, 5s);
    EXPECT_EQ(IDCANCEL, window.RunModal());
    EXPECT_FALSE(script.TimedOut());
    EXPECT_TRUE(QuitRequested());
}

TEST_F(MainWindowTest, CommandLineSetupFileIsShownAfterTheFirstTick) {
    LabelSheet wide;
    wide.MutableSettings().COLS = 3;
    wide.MutableSettings().ROWS = 5;
    wide.MutableSettings().WMM = 250;
    wide.MutableSettings().HMM = 240;
    ASSERT_TRUE(SaveSheetToPath(wide, pictures.File("wide sheet.tgm")));

    MainWindow window(pictures.Path());
    window.SetPendingSetupPath(pictures.File("wide sheet.tgm"));
    int columns = 0;
    std::string pending = "not read";
    RECT preview{}, client{};
    ModalScript script({ModalScript::Wait(400ms), ModalScript::Do([&] {
                            columns = window.Preview()->Sheet().Settings().COLS;
                            pending = window.PendingSetupPath();
                            preview = ChildRect(window.Window(), IDC_PREVIEW);
                            GetClientRect(window.Window(), &client);
                        }),
                        Close(window)});
    window.RunModal();
    ASSERT_TRUE(script.Finished());
    EXPECT_EQ(3, columns);
    EXPECT_EQ("", pending);
    const ControlPlacement expected = ComputePreviewPlacement(client.right, client.bottom, 250, 240);
    EXPECT_EQ(expected.x, preview.left);
    EXPECT_EQ(expected.y, preview.top);
    EXPECT_EQ(expected.width, preview.right - preview.left);
    EXPECT_EQ(expected.height, preview.bottom - preview.top);
    // Wider than high: the preview is wider than high too.
    EXPECT_GT(preview.right - preview.left, preview.bottom - preview.top);
}

TEST_F(MainWindowTest, UnreadableCommandLinePathGivesTheDefaultsAndIsDropped) {
    LabelSheet kept;
    kept.MutableSettings().COLS = 6;
    WriteStateFile(kept);
    MainWindow window(pictures.Path());
    window.SetPendingSetupPath(pictures.File("no such setup.tgm"));
    int columns = 0;
    std::string pending = "not read";
    ModalScript script({ModalScript::Wait(400ms), ModalScript::Do([&] {
                            columns = window.Preview()->Sheet().Settings().COLS;
                            pending = window.PendingSetupPath();
                        }),
                        Close(window)});
    window.RunModal();
    ASSERT_TRUE(script.Finished());
    EXPECT_EQ(2, columns);
    EXPECT_EQ("", pending);
    EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(MainWindowTest, EveryMoveIsRecordedAndKept) {
    MainWindow window(pictures.Path());
    SheetSettings moved;
    bool zoomedRecorded = false;
    ModalScript script({ModalScript::Wait(300ms), ModalScript::Do([&] {
                            SetWindowPos(window.Window(), HWND_TOP, 100, 60, 0, 0, SWP_NOSIZE);
                        }),
                        ModalScript::Wait(100ms), ModalScript::Do([&] {
                            moved = window.Preview()->Sheet().Settings();
                            ShowWindow(window.Window(), SW_MAXIMIZE);
                        }),
                        ModalScript::Wait(200ms),
                        ModalScript::Do([&] { zoomedRecorded = window.Preview()->Sheet().Settings().DLGM; }),
                        Close(window)});
    window.RunModal();
    ASSERT_TRUE(script.Finished());
    EXPECT_EQ(100, moved.DLGX);
    EXPECT_EQ(60, moved.DLGY);
    EXPECT_FALSE(moved.DLGM);
    EXPECT_TRUE(zoomedRecorded);
}

TEST_F(MainWindowTest, StartsWhereItWasLastSeen) {
    LabelSheet kept;
    kept.MutableSettings().DLGX = 120;
    kept.MutableSettings().DLGY = 80;
    WriteStateFile(kept);
    MainWindow window(pictures.Path());
    RECT frame{};
    bool zoomed = true;
    ModalScript script({ModalScript::Wait(300ms), ModalScript::Do([&] {
                            GetWindowRect(window.Window(), &frame);
                            zoomed = IsZoomed(window.Window()) != FALSE;
                        }),
                        Close(window)});
    window.RunModal();
    ASSERT_TRUE(script.Finished());
    EXPECT_EQ(120, frame.left);
    EXPECT_EQ(80, frame.top);
    EXPECT_FALSE(zoomed);
}

TEST_F(MainWindowTest, StartsMaximisedWhenItWasLeftMaximised) {
    // The last move of a maximised window recorded the maximised window's corner too.
    LabelSheet kept;
    kept.MutableSettings().DLGM = true;
    kept.MutableSettings().DLGX = 0;
    kept.MutableSettings().DLGY = 0;
    WriteStateFile(kept);
    MainWindow window(pictures.Path());
    bool zoomed = false;
    ModalScript script(
        {ModalScript::Do([&] { zoomed = IsZoomed(window.Window()) != FALSE; }), Close(window)});
    window.RunModal();
    ASSERT_TRUE(script.Finished());
    EXPECT_TRUE(zoomed);
    EXPECT_TRUE(SavedState().Settings().DLGM);
}

TEST_F(MainWindowTest, UnknownOrOffScreenPlacementLeavesTheWindowCentred) {
    for (const int corner : {-1, -32000}) {
        LabelSheet kept;
        kept.MutableSettings().DLGX = corner;
        kept.MutableSettings().DLGY = 40;
        WriteStateFile(kept);
        MainWindow window(pictures.Path());
        RECT frame{};
        RECT work{};
        ModalScript script({ModalScript::Do([&] {
                                GetWindowRect(window.Window(), &frame);
                                SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
                            }),
                            Close(window)});
        window.RunModal();
        ASSERT_TRUE(script.Finished());
        EXPECT_LE(std::abs((frame.left + frame.right) - (work.left + work.right)), 4) << corner;
        EXPECT_LE(std::abs((frame.top + frame.bottom) - (work.top + work.bottom)), 4) << corner;
    }
}

TEST_F(MainWindowTest, PictureButtonsTakeTheirPlacesInTheColumn) {
    WriteAllPictures();
    MainWindow window(pictures.Path());
    RECT client{};
    std::vector<RECT> places;
    ModalScript script({ModalScript::Do([&] {
                            GetClientRect(window.Window(), &client);
                            for (int id : kButtons)
                                places.push_back(ChildRect(window.Window(), id));
                        }),
                        Close(window)});
    window.RunModal();
    ASSERT_TRUE(script.Finished());
    for (std::size_t i = 0; i < places.size(); ++i) {
        ASSERT_TRUE(window.Button(kButtons[i]) && window.Button(kButtons[i])->Attached()) << kButtons[i];
        ControlPlacement expected;
        ASSERT_TRUE(PictureButtonPlacement(kButtons[i], client.left, client.top, client.right, client.bottom,
                                           expected));
        EXPECT_TRUE(
            SameRect(RECT{expected.x, expected.y, expected.x + expected.width, expected.y + expected.height},
                     places[i]))
            << kButtons[i];
    }
}

TEST_F(MainWindowTest, WithoutPicturesTheTextButtonsStayInTheirTemplatePlaces) {
    MainWindow window(pictures.Path() + "GFX\\");
    std::vector<RECT> places;
    std::vector<RECT> templates;
    std::vector<LONG_PTR> styles;
    char exitText[64] = {};
    ModalScript script({ModalScript::Do([&] {
                            HWND w = window.Window();
                            for (int id : kButtons) {
                                places.push_back(ChildRect(w, id));
                                styles.push_back(GetWindowLongPtrA(GetDlgItem(w, id), GWL_STYLE));
                            }
                            templates = {TemplateRect(w, 266, 0, 83, 81),   TemplateRect(w, 273, 87, 76, 37),
                                         TemplateRect(w, 273, 131, 76, 37), TemplateRect(w, 273, 175, 76, 37),
                                         TemplateRect(w, 273, 220, 74, 75), TemplateRect(w, 273, 303, 76, 37),
                                         TemplateRect(w, 273, 345, 76, 37)};
                            GetDlgItemTextA(w, IDC_EXIT, exitText, sizeof exitText);
                        }),
                        Close(window)});
    window.RunModal();
    ASSERT_TRUE(script.Finished());
    for (std::size_t i = 0; i < places.size(); ++i) {
        EXPECT_FALSE(window.Button(kButtons[i])->Attached()) << kButtons[i];
        EXPECT_NE(BS_OWNERDRAW, styles[i] & BS_TYPEMASK) << kButtons[i];
        EXPECT_TRUE(SameRect(templates[i], places[i])) << kButtons[i];
    }
    EXPECT_STREQ("Exit\r\nTagmora", exitText);
}

TEST_F(MainWindowTest, OneMissingPictureLeavesOnlyItsButtonAsText) {
    WriteAllPictures();
    ASSERT_TRUE(DeleteFileA(pictures.File("button_about_D.jpg").c_str()));
    MainWindow window(pictures.Path());
    ModalScript script({Close(window)});
    window.RunModal();
    for (int id : kButtons)
        EXPECT_EQ(id != IDC_ABOUT, window.Button(id)->Attached()) << id;
}

TEST_F(MainWindowTest, PreviewKeepsThePapersProportionsBesideTheButtons) {
    MainWindow window(pictures.Path());
    RECT client{}, preview{}, zoomedClient{}, zoomedPreview{};
    // Wine's dialog loop shows the window "normal" the first time its queue goes empty: maximise after that.
    ModalScript script({ModalScript::Wait(300ms), ModalScript::Do([&] {
                            GetClientRect(window.Window(), &client);
                            preview = ChildRect(window.Window(), IDC_PREVIEW);
                            ShowWindow(window.Window(), SW_MAXIMIZE);
                        }),
                        ModalScript::Wait(200ms), ModalScript::Do([&] {
                            GetClientRect(window.Window(), &zoomedClient);
                            zoomedPreview = ChildRect(window.Window(), IDC_PREVIEW);
                            ShowWindow(window.Window(), SW_MINIMIZE);
                        }),
                        ModalScript::Wait(200ms),
                        ModalScript::Do([&] { ShowWindow(window.Window(), SW_RESTORE); }),
                        ModalScript::Wait(200ms), Close(window)});
    window.RunModal();
    ASSERT_TRUE(script.Finished());
    for (const auto& [c, p] : {std::pair{client, preview}, std::pair{zoomedClient, zoomedPreview}}) {
        const ControlPlacement expected = ComputePreviewPlacement(c.right, c.bottom, 210, 297);
        EXPECT_TRUE(SameRect(
            RECT{expected.x, expected.y, expected.x + expected.width, expected.y + expected.height}, p))
            << c.right << " x " << c.bottom;
    }
    EXPECT_GT(zoomedPreview.bottom - zoomedPreview.top, preview.bottom - preview.top);
}

TEST_F(MainWindowTest, AboutButtonOpensTheAboutWindow) {
    MainWindow window(pictures.Path());
    HWND about = nullptr;
    ModalScript script(
        {ModalScript::Do([&] { PostMessageA(GetDlgItem(window.Window(), IDC_ABOUT), BM_CLICK, 0, 0); }),
         [&] {
             about = FindWindowA(nullptr, "About Tagmora");
             return about != nullptr;
         },
         ModalScript::Do([&] { PostMessageA(about, WM_COMMAND, IDCANCEL, 0); }),
         [&] { return !IsWindow(about); }, Close(window)});
    EXPECT_EQ(IDCANCEL, window.RunModal());
    EXPECT_TRUE(script.Finished());
    EXPECT_FALSE(script.TimedOut());
}

}  // namespace
}  // namespace tagmora
