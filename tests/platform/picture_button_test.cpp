#include <gtest/gtest.h>

#include "app/image_button.h"
#include "app/picture_file.h"
#include "dib_surface.h"
#include "res/resource_ids.h"
#include "tests/core/test_folder.h"
#include "win/dialog.h"
#include "win/handle.h"
#include "window_test_support.h"

namespace tagmora {
namespace {

using apptest::ModalScript;
using testing::TestFolder;

constexpr COLORREF kUpColour = RGB(200, 30, 30);
constexpr COLORREF kDownColour = RGB(30, 30, 200);

TEST(PictureFileTest, DecodesAJpegAtItsPixelSize) {
    TestFolder folder;
    ASSERT_TRUE(apptest::WriteJpeg(folder.File("a.jpg"), 41, 23, kUpColour));
    const auto picture = LoadPictureFile(folder.File("a.jpg"));
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(41, picture->width);
    EXPECT_EQ(23, picture->height);
    EXPECT_TRUE(picture->bitmap);
}

TEST(PictureFileTest, MissingEmptyOrUndecodableFilesLoadNothing) {
    TestFolder folder;
    EXPECT_FALSE(LoadPictureFile(folder.File("missing.jpg")).has_value());
    TestFolder::WriteBytes(folder.File("empty.jpg"), "");
    EXPECT_FALSE(LoadPictureFile(folder.File("empty.jpg")).has_value());
    TestFolder::WriteBytes(folder.File("text.jpg"), "this is no picture at all");
    EXPECT_FALSE(LoadPictureFile(folder.File("text.jpg")).has_value());

    // A good picture at the start of a 4 GiB file (sparse on disk) is no button picture: the file's size
    // is taken whole, not as its low 32 bits, which would read just the picture.
    ASSERT_TRUE(apptest::WriteJpeg(folder.File("huge.jpg"), 41, 23, kUpColour));
    {
        const FileHandle huge(CreateFileA(folder.File("huge.jpg").c_str(), GENERIC_WRITE, 0, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        LARGE_INTEGER size{};
        ASSERT_TRUE(GetFileSizeEx(huge.Get(), &size));
        size.QuadPart += 0x100000000LL;
        ASSERT_TRUE(SetFilePointerEx(huge.Get(), size, nullptr, FILE_BEGIN) && SetEndOfFile(huge.Get()));
    }
    EXPECT_FALSE(LoadPictureFile(folder.File("huge.jpg")).has_value());
}

// A dialog that only records the commands it receives; the About template gives it a push button.
class CommandRecorder : public Dialog {
  public:
    CommandRecorder() : Dialog(IDD_ABOUT, nullptr) {}
    std::vector<std::pair<int, int>> commands;

  protected:
    bool OnCommand(int controlId, int notification, HWND) override {
        commands.emplace_back(controlId, notification);
        return controlId == IDC_SPLASH;
    }
};

// What the button paints for an owner-draw request with this state, asked through the dialog as the
// button itself would ask.
COLORREF PaintedCentre(HWND dialog, UINT itemState, LRESULT* handled = nullptr) {
    HWND control = GetDlgItem(dialog, IDC_SPLASH);
    RECT rect{};
    GetClientRect(control, &rect);
    testing::DibSurface canvas(rect.right, rect.bottom);
    canvas.Fill(RGB(0, 255, 0));
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = IDC_SPLASH;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = itemState;
    item.hwndItem = control;
    item.hDC = canvas.dc();
    item.rcItem = rect;
    const LRESULT result = SendMessageA(dialog, WM_DRAWITEM, IDC_SPLASH, reinterpret_cast<LPARAM>(&item));
    if (handled)
        *handled = result;
    return canvas.Pixel(rect.right / 2, rect.bottom / 2);
}

class PictureButtonTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SKIP_WITHOUT_WINDOWS();
        ASSERT_TRUE(apptest::WriteJpeg(folder.File("up.jpg"), 300, 300, kUpColour));
        ASSERT_TRUE(apptest::WriteJpeg(folder.File("down.jpg"), 300, 300, kDownColour));
    }
    TestFolder folder;
    CommandRecorder dialog;
};

TEST_F(PictureButtonTest, ShowsTheDownPictureOnlyWhilePressed) {
    ImageButton button(folder.Path());
    LONG_PTR style = 0;
    LRESULT handled = 0;
    COLORREF pressed = 0, normal = 0, focused = 0, disabled = 0;
    ModalScript script({ModalScript::Do([&] {
        button.Attach(dialog.Window(), IDC_SPLASH, "up.jpg", "down.jpg");
        style = GetWindowLongPtrA(GetDlgItem(dialog.Window(), IDC_SPLASH), GWL_STYLE);
        pressed = PaintedCentre(dialog.Window(), ODS_SELECTED, &handled);
        normal = PaintedCentre(dialog.Window(), 0);
        focused = PaintedCentre(dialog.Window(), ODS_FOCUS);
        disabled = PaintedCentre(dialog.Window(), ODS_DISABLED);
        EndDialog(dialog.Window(), IDCANCEL);
    })});
    dialog.RunModal();
    ASSERT_TRUE(script.Finished());
    EXPECT_TRUE(button.Attached());
    EXPECT_EQ(BS_OWNERDRAW, style & BS_TYPEMASK);
    EXPECT_TRUE(handled);
    EXPECT_TRUE(apptest::NearColour(pressed, kDownColour)) << std::hex << pressed;
    EXPECT_TRUE(apptest::NearColour(normal, kUpColour)) << std::hex << normal;
    EXPECT_TRUE(apptest::NearColour(focused, kUpColour)) << std::hex << focused;
    EXPECT_TRUE(apptest::NearColour(disabled, kUpColour)) << std::hex << disabled;
}

TEST_F(PictureButtonTest, AttachingAgainChangesNothing) {
    ASSERT_TRUE(apptest::WriteJpeg(folder.File("other.jpg"), 300, 300, RGB(250, 250, 20)));
    ImageButton button(folder.Path());
    COLORREF normal = 0;
    ModalScript script({ModalScript::Do([&] {
        button.Attach(dialog.Window(), IDC_SPLASH, "up.jpg", "down.jpg");
        button.Attach(dialog.Window(), IDC_SPLASH, "other.jpg", "other.jpg");
        normal = PaintedCentre(dialog.Window(), 0);
        EndDialog(dialog.Window(), IDCANCEL);
    })});
    dialog.RunModal();
    ASSERT_TRUE(script.Finished());
    EXPECT_TRUE(button.Attached());
    EXPECT_TRUE(apptest::NearColour(normal, kUpColour)) << std::hex << normal;
}

TEST_F(PictureButtonTest, MissingPictureLeavesTheTextButton) {
    ImageButton button(folder.Path());
    ImageButton noFolder(folder.Path() + "nothing\\");
    LONG_PTR style = 0;
    LRESULT handled = 1;
    char text[32] = {};
    ModalScript script({ModalScript::Do([&] {
        button.Attach(dialog.Window(), IDC_SPLASH, "up.jpg", "missing.jpg");
        noFolder.Attach(dialog.Window(), IDC_SPLASH, "up.jpg", "down.jpg");
        HWND control = GetDlgItem(dialog.Window(), IDC_SPLASH);
        style = GetWindowLongPtrA(control, GWL_STYLE);
        GetWindowTextA(control, text, sizeof text);
        PaintedCentre(dialog.Window(), 0, &handled);
        EndDialog(dialog.Window(), IDCANCEL);
    })});
    dialog.RunModal();
    ASSERT_TRUE(script.Finished());
    EXPECT_FALSE(button.Attached());
    EXPECT_FALSE(noFolder.Attached());
    EXPECT_NE(BS_OWNERDRAW, style & BS_TYPEMASK);
    EXPECT_STREQ("SPLASH", text);
    EXPECT_FALSE(handled);
}

TEST_F(PictureButtonTest, QuickSecondClickCountsAsAClickAsOnTheTextButton) {
    ImageButton button(folder.Path());
    ModalScript script({ModalScript::Do([&] {
        button.Attach(dialog.Window(), IDC_SPLASH, "up.jpg", "down.jpg");
        HWND control = GetDlgItem(dialog.Window(), IDC_SPLASH);
        const LPARAM inside = MAKELPARAM(10, 10);
        SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, inside);
        SendMessageA(control, WM_LBUTTONUP, 0, inside);
        SendMessageA(control, WM_LBUTTONDBLCLK, MK_LBUTTON, inside);
        SendMessageA(control, WM_LBUTTONUP, 0, inside);
        EndDialog(dialog.Window(), IDCANCEL);
    })});
    dialog.RunModal();
    ASSERT_TRUE(script.Finished());
    int clicks = 0;
    for (const auto& [id, notification] : dialog.commands) {
        if (id == IDC_SPLASH) {
            EXPECT_EQ(BN_CLICKED, notification);
            ++clicks;
        }
    }
    EXPECT_EQ(2, clicks);
}

}  // namespace
}  // namespace tagmora
