#include "app/scrolling_text.h"

#include <utility>

#include "render/colour_blend.h"

namespace tagmora {
namespace {

constexpr const char* kWindowClass = "TagmoraScrollingText";

}  // namespace

ScrollingText::ScrollingText(const std::string& displayText) : state_(SplitAtCarriageReturns(displayText)) {}

std::unique_ptr<ScrollingText> ScrollingText::Create(HWND parent, int placeholderId,
                                                     const std::string& displayText) {
    const Placeholder placeholder = TakePlaceholder(parent, placeholderId);
    if (!placeholder.found)
        return nullptr;
    std::unique_ptr<ScrollingText> text(new ScrollingText(displayText));
    text->client_ = placeholder.client;
    CreateObjectWindow(kWindowClass, &ObjectWindowProcedure<ScrollingText>, parent, placeholderId,
                       placeholder.place, text.get());
    if (!text->window_)
        return nullptr;
    SetWindowPos(text->window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return text;
}

ScrollingText::~ScrollingText() {
    buffer_.reset();
    DestroyObjectWindow(window_);
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
    {
        ScopedCanvasTarget target(canvas_, buffer_->DeviceContext());
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
    }
    buffer_->CopyToWindow();
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
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace tagmora
