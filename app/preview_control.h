#pragma once
// The preview in the Main Window: shows the label sheet as it will print and takes clicks on labels. It
// owns the one Label Sheet of the program, keeps it in "wm.dat" between runs, and is what the rest of the
// program reaches through the current sheet.

#include <windows.h>

#include <string>

#include "model/current_sheet.h"
#include "model/label_sheet.h"
#include "render/canvas.h"
#include "render/device_rect.h"
#include "render/sheet_layout.h"
#include "win/object_window.h"

namespace tagmora {

class PreviewControl final : public SheetHolder {
  public:
    // Takes the place and the id of the dialog's placeholder control (which it destroys), then makes the
    // working folder the current directory and loads "wm.dat" from it (defaults when there is none, or
    // when it is refused and set aside).
    PreviewControl(HWND dialog, int placeholderId);
    // Saves the sheet to "wm.dat" in the working folder, unless a refused "wm.dat" could not be set aside.
    ~PreviewControl();
    PreviewControl(const PreviewControl&) = delete;
    PreviewControl& operator=(const PreviewControl&) = delete;

    HWND Window() const { return window_; }
    int ControlId() const { return controlId_; }

    LabelSheet& Sheet() override { return sheet_; }
    const LabelSheet& Sheet() const { return sheet_; }
    // The drawing object shared by the preview, the print job and the Setup Dialog's colour buttons.
    Canvas& GetCanvas() { return canvas_; }
    // The last screen layout: what clicks are tested against.
    const SheetLayout& ScreenLayout() const { return layout_; }

    // Lays the sheet out over the client area and refreshes the logo aspect.
    void LayOutForScreen();
    // Repaints at once (invalidate, erase, update now).
    void Redraw() override;
    // Reads a setup file into the sheet (the defaults when there is none; the sheet as it was, after a
    // message, when it is refused), then lays out and repaints.
    void LoadFromPath(const std::string& path) override;
    // Writes the sheet as a setup file; false after the write message when that failed.
    bool SaveToPath(const std::string& path) const override;

    // Prints every enabled label on one page.
    void PrintJob();
    // Runs the Address Editor on the slot; true when it ended with OK and the preview must repaint.
    bool EditSlot(int slotIndex);

  private:
    template <typename Object>
    friend LRESULT CALLBACK ObjectWindowProcedure(HWND, UINT, WPARAM, LPARAM);
    void WindowAttached(HWND window) { window_ = window; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    void Press(DevicePoint& stored, LPARAM lParam);
    // The slot under both the stored press point and this release, or -1; the stored point is spent.
    int Release(DevicePoint& stored, LPARAM lParam, WPARAM otherButtonHeld);

    HWND dialog_;
    int controlId_;
    HWND window_ = nullptr;
    LabelSheet sheet_;
    Canvas canvas_;
    SheetLayout layout_;
    // The LOGO bitmap's width / height, found again at every layout.
    float logoAspect_ = 1.0f;
    DevicePoint leftPress_;
    DevicePoint rightPress_;
    bool saveAtExit_ = true;
};

}  // namespace tagmora
