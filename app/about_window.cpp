#include "app/about_window.h"

#include "app/gdiplus_paint.h"
#include "app/scrolling_text_state.h"
#include "res/resource_ids.h"

namespace tagmora {
namespace {

constexpr UINT kScrollPeriodMs = 50;
constexpr const char* kSplashPicture = "button_splash.jpg";

}  // namespace

AboutWindow::AboutWindow(HWND parent, const std::string& pictureFolder)
    : Dialog(IDD_ABOUT, parent), splash_(pictureFolder) {}

AboutWindow::~AboutWindow() {
    text_.reset();
}

BOOL AboutWindow::OnInitDialog() {
    SetWindowTextA(Window(), "About Tagmora");
    text_ = ScrollingText::Create(Window(), IDC_SCROLLING_TEXT, AboutDisplayText());
    SetTimer(Window(), IDT_ABOUT_SCROLL, kScrollPeriodMs, nullptr);
    splash_.Attach(Window(), IDC_SPLASH, kSplashPicture, kSplashPicture);
    return TRUE;
}

bool AboutWindow::OnTimer(UINT_PTR timerId) {
    // Re-armed after every step, so that a slow paint delays the next step instead of piling them up.
    KillTimer(Window(), timerId);
    if (text_)
        text_->Step();
    SetTimer(Window(), IDT_ABOUT_SCROLL, kScrollPeriodMs, nullptr);
    return false;
}

bool AboutWindow::OnPaint() {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(Window(), &paint);
    RECT client{};
    GetClientRect(Window(), &client);
    PaintOpaqueWhite(dc, client);
    EndPaint(Window(), &paint);
    return true;
}

INT_PTR AboutWindow::OnMessage(UINT message, WPARAM, LPARAM, bool& handled) {
    if (message == WM_CTLCOLORDLG) {
        handled = true;
        return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
    }
    return FALSE;
}

}  // namespace tagmora
