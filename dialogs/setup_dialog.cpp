#include "dialogs/setup_dialog.h"

#include <shellapi.h>

#include <optional>
#include <utility>
#include <vector>

#include "catalogue/sheet_products_dialog.h"
#include "colour/colour_picker.h"
#include "dialogs/align_printer_dialog.h"
#include "dialogs/common_choosers.h"
#include "dialogs/setup_fields.h"
#include "dialogs/value_slider.h"
#include "model/current_sheet.h"
#include "model/data_file.h"
#include "model/exact_lengths.h"
#include "model/quit_request.h"
#include "model/sheet_persistence.h"
#include "model/user_message.h"
#include "res/resource_ids.h"
#include "site_config.h"
#include "update/version_check.h"

namespace tagmora {
namespace {

constexpr const char* kSetupFileFilter = "Tagmora Pro (*.tgm)|*.tgm||";
constexpr const char* kSetupFileDefaultExtension = "tgm";
constexpr const char* kLogoFilter = "Graphic Files (*.bmp)|*.bmp||";
constexpr const char* kLogoDefaultExtension = "bmp";

bool IsChecked(HWND dialog, int boxId) {
    return IsDlgButtonChecked(dialog, boxId) == BST_CHECKED;
}

}  // namespace

SetupDialog::SetupDialog(SheetSettings& settings, HWND parent)
    : Dialog(IDD_SETUP, parent), settings_(settings), workingCopy_(settings) {}

BOOL SetupDialog::OnInitDialog() {
    CentreOverOwner();
    ShowNumbers();
    for (const TextControl& text : kTextControls)
        SetDlgItemTextA(Window(), text.boxId, (workingCopy_.*text.field.text).c_str());
    for (const CheckControl& check : kCheckControls)
        CheckDlgButton(Window(), check.boxId, workingCopy_.*check.field.flag ? BST_CHECKED : BST_UNCHECKED);
    for (std::size_t i = 0; i < kColourControls.size(); ++i) {
        colourButtons_[i].Attach(Window(), kColourControls[i].buttonId,
                                 workingCopy_.*kColourControls[i].field.colour, canvas_);
    }
    return TRUE;
}

void SetupDialog::ShowNumbers() {
    for (const NumberControl& number : kNumberControls) {
        // A length shows its exact value, with the decimals it has ("15.15").
        const std::string text = number.field.exact ? LengthText(ExactLength(workingCopy_, number.field))
                                                    : std::to_string(workingCopy_.*number.field.number);
        SetDlgItemTextA(Window(), number.boxId, text.c_str());
    }
    ShowProductName();
}

void SetupDialog::ShowProductName() {
    const ExactGeometry now = CurrentExactGeometry(workingCopy_), product = productGeometry_;
    const bool same = !productName_.empty() && now.COLS == product.COLS && now.ROWS == product.ROWS &&
                      now.WMM == product.WMM && now.HMM == product.HMM && now.COLSPC == product.COLSPC &&
                      now.ROWSPC == product.ROWSPC && now.TOPMRG == product.TOPMRG &&
                      now.LFTMRG == product.LFTMRG && now.RGTMRG == product.RGTMRG &&
                      now.BOTMRG == product.BOTMRG;
    SetDlgItemTextA(Window(), IDC_SETUP_PRODUCT_NAME, same ? productName_.c_str() : "");
}

void SetupDialog::OnChooseProduct() {
    ProductSheet product;
    if (!ChooseSheetProduct(Window(), product))
        return;
    ExactGeometry g;
    g.COLS = product.cols;
    g.ROWS = product.rows;
    g.WMM = product.paperWidth;
    g.HMM = product.paperHeight;
    g.COLSPC = product.columnGap;
    g.ROWSPC = product.rowGap;
    g.TOPMRG = product.topMargin;
    g.LFTMRG = product.leftMargin;
    g.RGTMRG = product.rightMargin;
    g.BOTMRG = product.bottomMargin;
    // A product's sheet is exact only on paper: true size comes with it; every other field stays.
    ApplyExactGeometry(workingCopy_, g, true);
    productGeometry_ = CurrentExactGeometry(workingCopy_);
    productName_ = product.maker + " " + product.part + " (" + std::to_string(product.cols) + " x " +
                   std::to_string(product.rows) + ")";
    for (const CheckControl& check : kCheckControls)
        CheckDlgButton(Window(), check.boxId, workingCopy_.*check.field.flag ? BST_CHECKED : BST_UNCHECKED);
    ShowNumbers();
}

bool SetupDialog::OnCommand(int controlId, int notification, HWND control) {
    // Also STN_CLICKED of the "»" statics, which has the same value.
    if (!control || notification != BN_CLICKED)
        return false;
    if (NumberControlBySlider(controlId)) {
        OnSliderClicked(controlId);
        return true;
    }
    if (PaperPresetByButton(controlId)) {
        ApplyPaper(controlId);
        return true;
    }
    if (const CheckControl* check = CheckControlByBox(controlId)) {
        workingCopy_.*check->field.flag = IsChecked(Window(), controlId);
        return true;
    }
    if (ColourControlByButton(controlId)) {
        OnColourButton(controlId);
        return true;
    }
    switch (controlId) {
        case IDC_SETUP_CHOOSE_FONT:
            OnChooseFont();
            return true;
        case IDC_SETUP_CHOOSE_LOGO:
            OnChooseLogo();
            return true;
        case IDC_SETUP_CHARACTER_MAP:
            OnCharacterMap();
            return true;
        case IDC_SETUP_ONLINE_HELP:
            OnOnlineHelp();
            return true;
        case IDC_SETUP_CHECK_VERSION:
            OnCheckForNewVersion();
            return true;
        case IDC_SETUP_ALIGN_PRINTER:
            // The calibration page is laid out for the sheet as it stands in the dialog.
            AlignPrinterDialog(workingCopy_, Window()).RunModal();
            return true;
        case IDC_SETUP_PRODUCTS:
            OnChooseProduct();
            return true;
        case IDC_SETUP_SAVE:
            OnSaveDisplayedSetup();
            return true;
        case IDC_SETUP_LOAD:
            OnLoadSavedSetup();
            return true;
        case IDC_SETUP_OK:
            OnConfirm();
            return true;
        default:
            return false;
    }
}

void SetupDialog::OnSliderClicked(int sliderId) {
    // A static reports the click as the button goes down. Were the slider opened now, the release of this
    // very click would reach its grabbed thumb and close it again: it opens at the release instead.
    if (GetKeyState(VK_LBUTTON) < 0) {
        pendingSlider_ = sliderId;
        SetCapture(Window());
        return;
    }
    OpenValueSlider(sliderId);
}

INT_PTR SetupDialog::OnMessage(UINT message, WPARAM, LPARAM lParam, bool& handled) {
    switch (message) {
        case WM_LBUTTONUP: {
            const int sliderId = std::exchange(pendingSlider_, 0);
            if (!sliderId)
                return FALSE;
            ReleaseCapture();
            POINT pointer{};
            GetCursorPos(&pointer);
            // As with any click, a release away from the "»" lets it go.
            if (WindowFromPoint(pointer) == Item(sliderId))
                OpenValueSlider(sliderId);
            handled = true;
            return TRUE;
        }
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != Window())
                pendingSlider_ = 0;
            return FALSE;
        default:
            return FALSE;
    }
}

void SetupDialog::OpenValueSlider(int sliderId) {
    const NumberControl* number = NumberControlBySlider(sliderId);
    if (!number)
        return;
    const SheetField& field = number->field;
    ValueSlider slider(workingCopy_.*field.number, field.minimum, field.maximum, number->boxId, Window());
    slider.RunModal();
    if (field.exact && slider.Moved())
        SetWholeLength(workingCopy_, field, workingCopy_.*field.number);
    // The slider wrote whole numbers into the box; an exact value it left alone shows again.
    ShowNumbers();
}

void SetupDialog::ApplyPaper(int buttonId) {
    const PaperPreset* paper = PaperPresetByButton(buttonId);
    SetWholeLength(workingCopy_, SheetFieldByKey("WMM"), paper->WMM);
    SetWholeLength(workingCopy_, SheetFieldByKey("HMM"), paper->HMM);
    ShowNumbers();
}

void SetupDialog::OnColourButton(int buttonId) {
    const ColourControl* colour = ColourControlByButton(buttonId);
    ColourPicker picker(workingCopy_.*colour->field.colour, Window());
    // A cancelled picker keeps the button's colour, whatever the picker showed last.
    if (picker.RunModal() != IDOK)
        return;
    workingCopy_.*colour->field.colour = picker.Result();
    RedrawColourButton(buttonId);
}

void SetupDialog::RedrawColourButton(int buttonId) {
    for (std::size_t i = 0; i < kColourControls.size(); ++i) {
        if (kColourControls[i].buttonId == buttonId)
            colourButtons_[i].Draw();
    }
}

void SetupDialog::OnChooseFont() {
    const std::optional<ChosenFont> chosen = ChooseFontFace(Window(), workingCopy_.COLD);
    if (!chosen)
        return;
    // The label texts are sized to fit their label: size, style and effects have no place in the sheet.
    workingCopy_.FONT = chosen->faceName;
    workingCopy_.COLD = chosen->colour;
    SetDlgItemTextA(Window(), IDC_SETUP_FONT, workingCopy_.FONT.c_str());
    RedrawColourButton(IDC_SETUP_COLD);
}

void SetupDialog::OnChooseLogo() {
    const std::optional<std::string> path =
        ChooseFile(Window(), FileChooserKind::Open, kLogoFilter, kLogoDefaultExtension);
    if (!path)
        return;
    workingCopy_.LOGO = *path;
    SetDlgItemTextA(Window(), IDC_SETUP_LOGO, workingCopy_.LOGO.c_str());
}

void SetupDialog::OnCharacterMap() {
    const auto started =
        reinterpret_cast<INT_PTR>(ShellExecuteA(Window(), "open", "charmap", "", "", SW_SHOWNORMAL));
    // Values up to 32 are the platform's failures (a system without the program, for one).
    if (started <= 32)
        ShowUserMessage("The character map could not be started.", Window());
}

void SetupDialog::OnOnlineHelp() {
    ShellExecuteA(Window(), "open", TAGMORA_GUIDE_URL, "", "", SW_SHOWMAXIMIZED);
}

void SetupDialog::OnCheckForNewVersion() {
    VersionCheck(Window()).RunModal();
    // The user went to fetch the newer version: the program is closing.
    if (QuitRequested())
        EndDialog(IDCANCEL);
}

void SetupDialog::OnSaveDisplayedSetup() {
    SheetHolder* const sheet = CurrentSheet();
    if (!sheet)
        return;
    const std::optional<std::string> path =
        ChooseFile(Window(), FileChooserKind::Save, kSetupFileFilter, kSetupFileDefaultExtension);
    if (!path)
        return;
    // The chooser asked about the name as typed; with the extension added it may name another file, which
    // is not replaced unasked.
    const std::string target = SetupFileNameWithExtension(*path);
    if (target != *path && DataFile(target, false).Exists() &&
        !AskUserYesNo(target + " already exists.\rDo you want to replace it?", Window())) {
        return;
    }
    // What the preview shows is saved, not the changes still waiting for OK here.
    sheet->SaveToPath(target);
}

void SetupDialog::OnLoadSavedSetup() {
    SheetHolder* const sheet = CurrentSheet();
    if (!sheet)
        return;
    const std::optional<std::string> path =
        ChooseFile(Window(), FileChooserKind::Open, kSetupFileFilter, kSetupFileDefaultExtension);
    if (!path)
        return;
    sheet->LoadFromPath(*path);
    // The loaded setup stands: the working copy is not written back.
    EndDialog(IDOK);
}

std::string SetupDialog::BoxText(int controlId) const {
    const HWND box = Item(controlId);
    const int length = GetWindowTextLengthA(box);
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(box, buffer.data(), length + 1);
    return std::string(buffer.data(), static_cast<std::size_t>(copied > 0 ? copied : 0));
}

void SetupDialog::OnConfirm() {
    for (const TextControl& text : kTextControls)
        workingCopy_.*text.field.text = BoxText(text.boxId);
    settings_ = workingCopy_;
    EndDialog(IDOK);
}

}  // namespace tagmora
