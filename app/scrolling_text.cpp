#include "app/scrolling_text.h"

#include <utility>

#include "render/colour_blend.h"

namespace tagmora {
namespace {

constexpr const char* kWindowClass = "TagmoraScrollingText";

void RegisterScrollingTextClass(WNDPROC procedure) {
    static const ATOM atom = [procedure] {
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        windowClass.lpszClassName = kWindowClass;
        return RegisterClassExA(&windowClass);
    }();
    (void)atom;
}

}  // namespace

ScrollingText::ScrollingText(const std::string& displayText) : state_(SplitDisplayLines(displayText)) {}

std::unique_ptr<ScrollingText> ScrollingText::Create(HWND parent, int placeholderId,
                                                     const std::string& displayText) {
    HWND placeholder = GetDlgItem(parent, placeholderId);
    if (!placeholder)
        return nullptr;
    std::unique_ptr<ScrollingText> text(new ScrollingText(displayText));
    RECT place{};
    GetWindowRect(placeholder, &place);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
    GetClientRect(placeholder, &text->client_);
    DestroyWindow(placeholder);

    RegisterScrollingTextClass(&WindowProcedure);
    CreateWindowExA(0, kWindowClass, "", WS_CHILD | WS_VISIBLE, place.left, place.top,
                    place.right - place.left, place.bottom - place.top, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(placeholderId)), GetModuleHandleA(nullptr),
                    text.get());
    if (!text->window_)
        return nullptr;
    SetWindowPos(text->window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return text;
}

ScrollingText::~ScrollingText() {
    buffer_.reset();
    if (window_) {
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        DestroyWindow(std::exchange(window_, nullptr));
    }
}

void ScrollingText::Step() {
    state_.Step(client_.bottom - client_.top);
    PaintNow();
}

void ScrollingText::PaintNow() {
    if (!window_)
        return;
    if (!buffer_)
        buffer_ = std::make_unique<OffscreenBuffer>(window_);
    canvas_.SetDeviceContext(buffer_->DeviceContext());
    const std::int32_t height = client_.bottom - client_.top;
    canvas_.FilledRectangle(DeviceRect{client_.left, client_.top, client_.right, client_.bottom}, kWhite);
    const auto& lines = state_.Lines();
    for (std::int32_t i = state_.FirstLine(); i < state_.EndLine(); ++i) {
        const std::int32_t y = state_.LineTop(i);
        if (!ScrollingTextState::IsDrawn(y))
            continue;
        canvas_.TextAtPoint(0, y, ScrollingTextState::kLineHeight, lines[static_cast<std::size_t>(i)],
                            ScrollingTextState::LineColour(y, height), kWhite);
    }
    canvas_.SetDeviceContext(nullptr);
    buffer_->CopyToWindow();
}

LRESULT CALLBACK ScrollingText::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ScrollingText* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<ScrollingText*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->window_ = window;
    } else {
        self = reinterpret_cast<ScrollingText*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    }
    if (!self)
        return DefWindowProcA(window, message, wParam, lParam);
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT ScrollingText::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = window_;
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint{};
            BeginPaint(window, &paint);
            PaintNow();
            EndPaint(window, &paint);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_DESTROY:
            // The kept buffer holds this window's device context: give it back while the window exists.
            buffer_.reset();
            break;
        case WM_NCDESTROY:
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            window_ = nullptr;
            break;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace tagmora
