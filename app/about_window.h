#pragma once
// The About window (dialog 146): the splash picture and the scrolling product, version and release lines.
// It holds none of the program's data and changes nothing.

#include <windows.h>

#include <memory>
#include <string>

#include "app/image_button.h"
#include "app/scrolling_text.h"
#include "win/dialog.h"

namespace tagmora {

class AboutWindow : public Dialog {
  public:
    // The splash picture comes from the given folder (with a trailing backslash).
    explicit AboutWindow(HWND parent, const std::string& pictureFolder = DefaultPictureFolder());
    // The scrolling text goes first, then the splash button.
    ~AboutWindow() override;

    const ScrollingText* Text() const { return text_.get(); }
    const ImageButton& Splash() const { return splash_; }

  protected:
    BOOL OnInitDialog() override;
    bool OnTimer(UINT_PTR timerId) override;
    bool OnPaint() override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

  private:
    ImageButton splash_;
    std::unique_ptr<ScrollingText> text_;
};

}  // namespace tagmora
