#pragma once
// "Edit Labels Destination Address": edits one label's destination address in a multi-line box, tidies it
// with Auto Format, and offers four buttons that act on all 128 slots at once.

#include <string>

#include "model/label_sheet.h"
#include "win/dialog.h"

namespace tagmora {

class AddressEditor : public Dialog {
  public:
    // Works on a copy of the slot; the sheet changes only when a closing button is pressed.
    AddressEditor(LabelSheet& sheet, int slotIndex, HWND parent);

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int controlId, int notification, HWND control) override;
    void OnOK() override;

  private:
    std::string EditText() const;
    void OnAllLabelsOn();
    void OnAllLabelsOff();
    void OnClearAddresses();
    void OnAllLabelsBeThis();
    void OnAutoFormat();

    LabelSheet& sheet_;
    LabelSlot& slot_;
    LabelSlot workingCopy_;
};

}  // namespace tagmora
