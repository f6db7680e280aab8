#pragma once
// The About window's scrolling text: a child window that takes a placeholder's place and moves its lines
// up one pixel per step, fading them in at the bottom edge and out at the top edge.

#include <windows.h>

#include <memory>
#include <string>

#include "app/scrolling_text_state.h"
#include "render/canvas.h"
#include "render/offscreen_buffer.h"
#include "win/object_window.h"

namespace tagmora {

class ScrollingText {
  public:
    // Destroys the parent's control with that id and takes its rectangle and its id. Null when there is
    // no such control or the window cannot be created.
    static std::unique_ptr<ScrollingText> Create(HWND parent, int placeholderId,
                                                 const std::string& displayText);
    ~ScrollingText();
    ScrollingText(const ScrollingText&) = delete;
    ScrollingText& operator=(const ScrollingText&) = delete;

    // One pixel further, painted at once.
    void Step();

    HWND Window() const { return window_; }
    const ScrollingTextState& State() const { return state_; }

  private:
    explicit ScrollingText(const std::string& displayText);
    template <typename Object>
    friend LRESULT CALLBACK ObjectWindowProcedure(HWND, UINT, WPARAM, LPARAM);
    void WindowAttached(HWND window) { window_ = window; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void PaintNow();

    HWND window_ = nullptr;
    RECT client_{};
    ScrollingTextState state_;
    Canvas canvas_;
    // Made at the first paint and kept: every step repaints the whole text through it in one copy.
    std::unique_ptr<OffscreenBuffer> buffer_;
};

}  // namespace tagmora
