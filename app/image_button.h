#pragma once
// A dialog's push button drawn from pictures: the up picture normally, the down picture while pressed.
// It takes over an existing push button of the template only when both pictures load, so the dialog
// keeps its text button (same id, same place, same command) when a picture is missing.

#include <windows.h>

#include <string>

#include "win/gdi.h"
#include "win/owner_drawn_control.h"

namespace tagmora {

// "GFX\" in the program's own folder, whatever the current directory is.
std::string DefaultPictureFolder();

class ImageButton : public OwnerDrawnControl {
  public:
    // Pictures come from the default picture folder.
    ImageButton();
    // Pictures come from the given folder (with a trailing backslash).
    explicit ImageButton(std::string pictureFolder);

    // Loads both pictures (bare file names inside the picture folder; the same name may be given twice)
    // and, when both loaded, makes the dialog's control owner-drawn and subclasses it. Does nothing when
    // already attached; on failure the button stays unattached and nothing is reported.
    void Attach(HWND dialog, int controlId, const std::string& upPicture, const std::string& downPicture);

    bool Attached() const { return attached_; }
    int ControlId() const { return controlId_; }
    const std::string& PictureFolder() const { return pictureFolder_; }

  protected:
    // Paints the owner-draw request: down picture while selected, else up; no text, no focus rectangle.
    void OnDrawItem(const DRAWITEMSTRUCT& item) override;
    LRESULT OnControlMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    HBITMAP ChooseBitmap(UINT itemState) const;

    std::string pictureFolder_;
    Bitmap up_;
    Bitmap down_;
    Bitmap focus_;     // never loaded: a focused button shows the up picture
    Bitmap disabled_;  // never loaded: a disabled button shows the up picture
    bool attached_ = false;
    int controlId_ = 0;
};

}  // namespace tagmora
