#pragma once
// "Label Sheet Setup" (dialog 136): every sheet-wide setting of the Label Sheet, edited in a working copy
// that only the dialog's own OK writes back. Numbers change through their "»" Value Sliders and the paper
// buttons; colours through the Colour Picker; the font and the logo through the platform's choosers. It
// also saves the displayed setup under a name and loads another, which ends it at once.

#include <windows.h>

#include <array>
#include <string>

#include "dialogs/colour_button.h"
#include "model/exact_lengths.h"
#include "model/label_sheet.h"
#include "render/canvas.h"
#include "win/dialog.h"

namespace tagmora {

class SetupDialog : public Dialog {
  public:
    // Works on a copy of the settings; they change only when "OK" is pressed.
    SetupDialog(SheetSettings& settings, HWND parent);

    const SheetSettings& WorkingCopy() const { return workingCopy_; }

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int controlId, int notification, HWND control) override;
    // Enter does nothing: "OK" is a button of its own.
    void OnOK() override {}
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

  private:
    void ShowNumbers();
    void OnSliderClicked(int sliderId);
    void OpenValueSlider(int sliderId);
    void ApplyPaper(int buttonId);
    void OnColourButton(int buttonId);
    void RedrawColourButton(int buttonId);
    void OnChooseFont();
    void OnChooseLogo();
    void OnCharacterMap();
    void OnOnlineHelp();
    void OnCheckForNewVersion();
    void OnSaveDisplayedSetup();
    void OnLoadSavedSetup();
    void OnConfirm();
    void OnChooseProduct();
    void ShowProductName();
    std::string BoxText(int controlId) const;

    SheetSettings& settings_;
    SheetSettings workingCopy_;
    Canvas canvas_;
    // In the order of the colour fields' table.
    std::array<ColourButton, 4> colourButtons_;
    // The "»" pressed while the left button is still down: its slider opens at the release.
    int pendingSlider_ = 0;
    // The product chosen last, named while the working copy's grid and lengths still are its own.
    std::string productName_;
    ExactGeometry productGeometry_;
};

}  // namespace tagmora
