#include "app/about_window.h"

#include <gtest/gtest.h>

#include "res/resource_ids.h"
#include "tests/core/test_folder.h"
#include "window_test_support.h"

namespace tagmora {
namespace {

using apptest::ModalScript;
using testing::TestFolder;
using namespace std::chrono_literals;

class AboutWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { SKIP_WITHOUT_WINDOWS(); }
    TestFolder pictures;
};

TEST_F(AboutWindowTest, ScrollingTextTakesThePlaceholdersPlaceAndMoves) {
    AboutWindow about(nullptr, pictures.Path());
    char title[64] = {};
    char className[64] = {};
    RECT place{}, expected{};
    int ticksEarly = 0, ticksLate = 0;
    ModalScript script({ModalScript::Do([&] {
                            GetWindowTextA(about.Window(), title, sizeof title);
                            HWND text = GetDlgItem(about.Window(), IDC_SCROLLING_TEXT);
                            GetClassNameA(text, className, sizeof className);
                            GetWindowRect(text, &place);
                            MapWindowPoints(nullptr, about.Window(), reinterpret_cast<POINT*>(&place), 2);
                            // Position and size are converted separately, as the dialog manager does.
                            expected = {230, 0, 139, 153};
                            MapDialogRect(about.Window(), &expected);
                            expected.right += expected.left;
                            expected.bottom += expected.top;
                            ticksEarly = about.Text()->State().Tick();
                        }),
                        ModalScript::Wait(500ms), ModalScript::Do([&] {
                            ticksLate = about.Text()->State().Tick();
                            PostMessageA(about.Window(), WM_COMMAND, IDCANCEL, 0);
                        })});
    EXPECT_EQ(IDCANCEL, about.RunModal());
    ASSERT_TRUE(script.Finished());
    EXPECT_STREQ("About Tagmora", title);
    EXPECT_STREQ("TagmoraScrollingText", className);
    EXPECT_EQ(expected.left, place.left);
    EXPECT_EQ(expected.top, place.top);
    EXPECT_EQ(expected.right, place.right);
    EXPECT_EQ(expected.bottom, place.bottom);
    // A step about every 50 ms: the timer is re-armed after each one.
    EXPECT_GE(ticksLate - ticksEarly, 4);
}

TEST_F(AboutWindowTest, ShowsTheSplashPictureWhenItExists) {
    ASSERT_TRUE(apptest::WriteJpeg(pictures.File("button_splash.jpg"), 200, 150, RGB(40, 80, 160)));
    AboutWindow about(nullptr, pictures.Path());
    LONG_PTR style = 0;
    ModalScript script({ModalScript::Do([&] {
        style = GetWindowLongPtrA(GetDlgItem(about.Window(), IDC_SPLASH), GWL_STYLE);
        PostMessageA(about.Window(), WM_COMMAND, IDCANCEL, 0);
    })});
    about.RunModal();
    ASSERT_TRUE(script.Finished());
    EXPECT_TRUE(about.Splash().Attached());
    EXPECT_EQ(BS_OWNERDRAW, style & BS_TYPEMASK);
}

TEST_F(AboutWindowTest, WithoutTheSplashPictureTheButtonKeepsItsTextAndClickingItDoesNothing) {
    AboutWindow about(nullptr, pictures.Path());
    char text[32] = {};
    bool openAfterClick = false;
    ModalScript script({ModalScript::Do([&] {
                            GetDlgItemTextA(about.Window(), IDC_SPLASH, text, sizeof text);
                            PostMessageA(GetDlgItem(about.Window(), IDC_SPLASH), BM_CLICK, 0, 0);
                        }),
                        ModalScript::Wait(150ms), ModalScript::Do([&] {
                            openAfterClick = IsWindowVisible(about.Window()) != FALSE;
                            PostMessageA(about.Window(), WM_COMMAND, IDCANCEL, 0);
                        })});
    about.RunModal();
    ASSERT_TRUE(script.Finished());
    EXPECT_FALSE(about.Splash().Attached());
    EXPECT_STREQ("SPLASH", text);
    EXPECT_TRUE(openAfterClick);
}

}  // namespace
}  // namespace tagmora
