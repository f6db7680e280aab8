#include "dialogs/address_editor.h"

#include <vector>

#include "dialogs/auto_format.h"
#include "res/resource_ids.h"

namespace tagmora {

namespace {

// The platform's upper-casing of the active code page, so that accented letters of a post code or flat
// number are capitalised as the user's Windows would.
void UpperCaseWithCodePage(std::string& token) {
    if (!token.empty())
        CharUpperBuffA(token.data(), static_cast<DWORD>(token.size()));
}

}  // namespace

AddressEditor::AddressEditor(LabelSheet& sheet, int slotIndex, HWND parent)
    : Dialog(IDD_ADDRESS_EDITOR, parent), sheet_(sheet), slot_(sheet.Slot(slotIndex)), workingCopy_(slot_) {}

BOOL AddressEditor::OnInitDialog() {
    CentreOverOwner();
    SetDlgItemTextA(Window(), IDC_DESTINATION_ADDRESS, HalveAmpersands(workingCopy_.DEST).c_str());
    return TRUE;
}

std::string AddressEditor::EditText() const {
    const HWND edit = Item(IDC_DESTINATION_ADDRESS);
    const int length = GetWindowTextLengthA(edit);
    std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(edit, buffer.data(), length + 1);
    return std::string(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0));
}

bool AddressEditor::OnCommand(int controlId, int notification, HWND control) {
    if (notification != BN_CLICKED)
        return false;
    switch (controlId) {
        case IDC_ALL_LABELS_ON:
            OnAllLabelsOn();
            return true;
        case IDC_ALL_LABELS_OFF:
            OnAllLabelsOff();
            return true;
        case IDC_CLEAR_ADDRESSES:
            OnClearAddresses();
            return true;
        case IDC_ALL_LABELS_BE_THIS:
            OnAllLabelsBeThis();
            return true;
        case IDC_AUTO_FORMAT:
            OnAutoFormat();
            return true;
        default:
            return false;
    }
}

void AddressEditor::OnOK() {
    workingCopy_.DEST = DoubleAmpersands(EditText());
    slot_ = workingCopy_;
    EndDialog(IDOK);
}

void AddressEditor::OnAllLabelsOn() {
    sheet_.SetAllEnabled(true);
    EndDialog(IDOK);
}

void AddressEditor::OnAllLabelsOff() {
    sheet_.SetAllEnabled(false);
    EndDialog(IDOK);
}

void AddressEditor::OnClearAddresses() {
    sheet_.SetAllDest("");
    EndDialog(IDOK);
}

void AddressEditor::OnAllLabelsBeThis() {
    sheet_.SetAllDest(DoubleAmpersands(EditText()));
    EndDialog(IDOK);
}

void AddressEditor::OnAutoFormat() {
    SetDlgItemTextA(Window(), IDC_DESTINATION_ADDRESS, AutoFormat(EditText(), UpperCaseWithCodePage).c_str());
}

}  // namespace tagmora
