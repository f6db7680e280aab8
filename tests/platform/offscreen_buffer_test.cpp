#include "render/offscreen_buffer.h"

#include <gtest/gtest.h>

#include "render/canvas.h"

namespace tagmora {
namespace {

constexpr Colour kRed = 0x000000FF;
constexpr Colour kBlue = 0x00FF0000;

// A visible popup window whose client area is exactly width x height, destroyed with the test.
class TestWindow {
  public:
    TestWindow(int width, int height) {
        window_ = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP | WS_VISIBLE, 10, 10, width,
                                  height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    ~TestWindow() {
        if (window_)
            DestroyWindow(window_);
    }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    HWND Get() const { return window_; }

    Colour Pixel(int x, int y) const {
        const WindowDC dc(window_);
        return GetPixel(dc.Get(), x, y);
    }

  private:
    HWND window_ = nullptr;
};

#define REQUIRE_WINDOW(window) \
    if (!(window).Get())       \
    GTEST_SKIP() << "no display: windows cannot be created in this run"

TEST(OffscreenBufferTest, PaintsTheWholeClientAreaInOneCopyWhenDestroyed) {
    TestWindow window(40, 30);
    REQUIRE_WINDOW(window);
    {
        OffscreenBuffer buffer(window.Get());
        EXPECT_EQ(buffer.ClientRect().right, 40);
        EXPECT_EQ(buffer.ClientRect().bottom, 30);
        Canvas canvas;
        canvas.SetDeviceContext(buffer.DeviceContext());
        canvas.FilledRectangle({0, 0, 40, 30}, kRed);
        canvas.FilledRectangle({20, 0, 40, 30}, kBlue);
        EXPECT_EQ(GetPixel(buffer.DeviceContext(), 5, 5), kRed);
    }
    EXPECT_EQ(window.Pixel(0, 0), kRed);
    EXPECT_EQ(window.Pixel(19, 29), kRed);
    EXPECT_EQ(window.Pixel(20, 0), kBlue);
    EXPECT_EQ(window.Pixel(39, 29), kBlue);
}

TEST(OffscreenBufferTest, CopyToWindowKeepsTheBufferForTheNextPaint) {
    TestWindow window(20, 20);
    REQUIRE_WINDOW(window);
    OffscreenBuffer buffer(window.Get());
    Canvas canvas;
    canvas.SetDeviceContext(buffer.DeviceContext());
    canvas.FilledRectangle({0, 0, 20, 20}, kBlue);
    buffer.CopyToWindow();
    EXPECT_EQ(window.Pixel(10, 10), kBlue);
    canvas.FilledRectangle({0, 0, 10, 20}, kRed);
    buffer.CopyToWindow();
    EXPECT_EQ(window.Pixel(5, 10), kRed);
    EXPECT_EQ(window.Pixel(15, 10), kBlue);
}

TEST(OffscreenBufferTest, EmptyClientAreaGivesABufferThatCopiesNothing) {
    TestWindow window(0, 0);
    REQUIRE_WINDOW(window);
    OffscreenBuffer buffer(window.Get());
    EXPECT_EQ(buffer.ClientRect().right - buffer.ClientRect().left, 0);
    ASSERT_NE(buffer.DeviceContext(), nullptr);
    Canvas canvas;
    canvas.SetDeviceContext(buffer.DeviceContext());
    canvas.FilledRectangle({0, 0, 10, 10}, kRed);
    canvas.FittedText("text", "Tahoma", {0, 0, 10, 10}, kRed, kBlue, TextAlignment::Left);
    buffer.CopyToWindow();
}

TEST(OffscreenBufferTest, NoWindowGivesABufferThatCopiesNothing) {
    OffscreenBuffer buffer(nullptr);
    EXPECT_EQ(buffer.ClientRect().right, 0);
    buffer.CopyToWindow();
}

TEST(OffscreenBufferTest, BufferDrawsOnItsOwnBitmapWithTheDefaultTools) {
    TestWindow window(20, 20);
    REQUIRE_WINDOW(window);
    OffscreenBuffer buffer(window.Get());
    HDC dc = buffer.DeviceContext();
    // The buffer's bitmap is what the memory device context draws on, with the default pen and brush.
    BITMAP selected{};
    ASSERT_TRUE(GetObject(GetCurrentObject(dc, OBJ_BITMAP), sizeof selected, &selected));
    EXPECT_EQ(selected.bmWidth, 20);
    EXPECT_EQ(selected.bmHeight, 20);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
}

}  // namespace
}  // namespace tagmora
