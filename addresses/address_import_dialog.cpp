#include "addresses/address_import_dialog.h"

// The common controls' header needs the base declarations first.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <algorithm>

#include "addresses/code_page.h"
#include "addresses/printed_size_check.h"
#include "dialogs/auto_format.h"
#include "model/user_message.h"
#include "res/resource_ids.h"

namespace tagmora {
namespace {

const char* RoleName(ColumnRole role) {
    switch (role) {
        case ColumnRole::None:
            return "left out";
        case ColumnRole::Title:
            return "title";
        case ColumnRole::FirstName:
            return "first name";
        case ColumnRole::MiddleName:
            return "middle name";
        case ColumnRole::LastName:
            return "last name";
        case ColumnRole::Suffix:
            return "suffix";
        case ColumnRole::FullName:
            return "name";
        case ColumnRole::Company:
            return "company";
        case ColumnRole::Department:
            return "department";
        case ColumnRole::Street:
        case ColumnRole::AddressLine1:
        case ColumnRole::AddressLine2:
        case ColumnRole::AddressLine3:
        case ColumnRole::ExtendedAddress:
        case ColumnRole::PostOfficeBox:
            return "street line";
        case ColumnRole::Postcode:
            return "postcode";
        case ColumnRole::City:
            return "city";
        case ColumnRole::State:
            return "state";
        case ColumnRole::Country:
            return "country";
    }
    return "";
}

// A UTF-8 text of the file as the dialog's ANSI controls show it.
std::string Shown(const std::string& utf8) {
    std::string ansi;
    Utf8ToAnsi(utf8, ansi);
    return ansi;
}

std::string LineList(const std::vector<std::size_t>& lines, std::size_t total) {
    std::string list;
    for (const std::size_t line : lines)
        list += (list.empty() ? "" : ", ") + std::to_string(line);
    if (total > lines.size())
        list += ", ...";
    return list;
}

}  // namespace

std::size_t FillLabelsFromFile(LabelSheet& sheet, const AddressFile& file) {
    const ComposedAddresses composed = ComposeAddresses(file.table, file.plan, EnabledShownLabelCount(sheet));
    return composed.count - FillEnabledLabels(sheet, composed.dests);
}

std::string NotFittedMessage(std::size_t written, std::size_t notFitted) {
    return std::to_string(written) + (written == 1 ? " address was" : " addresses were") +
           " written into the enabled labels.\r" + std::to_string(notFitted) +
           (notFitted == 1 ? " address did" : " addresses did") +
           " not fit on the sheet: enable more labels, or fill the labels again from a list of the rest.";
}

AddressImportDialog::AddressImportDialog(const AddressFile& file, const std::string& path, LabelSheet& sheet,
                                         HWND parent)
    : Dialog(IDD_ADDRESS_IMPORT, parent),
      file_(file),
      path_(path),
      sheet_(sheet),
      plan_(file.plan),
      enabledLabels_(EnabledShownLabelCount(sheet)) {
    for (std::size_t c = 0; c < file.columnNames.size(); ++c)
        columns_.push_back({c, true});
}

BOOL AddressImportDialog::OnInitDialog() {
    CentreOverOwner();
    const HWND list = Item(IDC_IMPORT_COLUMNS);
    ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    RECT area{};
    GetClientRect(list, &area);
    LVCOLUMNA column{};
    column.mask = LVCF_WIDTH;
    column.cx = area.right - area.left - GetSystemMetrics(SM_CXVSCROLL);
    SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    // Columns named by a header or a vCard are placed by their meaning; only numbered ones are chosen.
    const bool choosable = !plan_.byRole;
    EnableWindow(Item(IDC_IMPORT_UP), choosable);
    EnableWindow(Item(IDC_IMPORT_DOWN), choosable);
    FillColumnList();
    Recompose();
    // The focus on the button that fills, rather than on the addresses with all their text selected.
    SetFocus(Item(IDC_IMPORT_FILL));
    return FALSE;
}

void AddressImportDialog::FillColumnList() {
    const HWND list = Item(IDC_IMPORT_COLUMNS);
    fillingList_ = true;
    ListView_DeleteAllItems(list);
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        const std::size_t c = columns_[i].index;
        std::string text = Shown(file_.columnNames[c]);
        if (plan_.byRole) {
            text += std::string(" (") + RoleName(plan_.meanings[c].role) + ")";
        } else if (file_.table.RecordCount() > 0) {
            text += ": " + Shown(std::string(TrimBlanks(file_.table.Field(0, c))).substr(0, 60));
        }
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(i);
        item.pszText = &text[0];
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        const bool ticked = plan_.byRole ? plan_.meanings[c].role != ColumnRole::None : columns_[i].included;
        ListView_SetCheckState(list, static_cast<int>(i), ticked);
    }
    fillingList_ = false;
}

void AddressImportDialog::ReadTicks() {
    const HWND list = Item(IDC_IMPORT_COLUMNS);
    plan_.order.clear();
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        columns_[i].included = ListView_GetCheckState(list, static_cast<int>(i)) != FALSE;
        if (columns_[i].included)
            plan_.order.push_back(columns_[i].index);
    }
}

void AddressImportDialog::MoveSelectedColumn(int step) {
    const HWND list = Item(IDC_IMPORT_COLUMNS);
    const int selected = ListView_GetNextItem(list, -1, LVNI_SELECTED);
    const int target = selected + step;
    if (selected < 0 || target < 0 || target >= static_cast<int>(columns_.size()))
        return;
    std::swap(columns_[static_cast<std::size_t>(selected)], columns_[static_cast<std::size_t>(target)]);
    FillColumnList();
    ListView_SetItemState(list, target, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ReadTicks();
    Recompose();
}

void AddressImportDialog::Recompose() {
    composed_ = ComposeAddresses(file_.table, plan_, std::max(enabledLabels_, kPreviewedAddresses));
    SetDlgItemTextA(Window(), IDC_IMPORT_SUMMARY, SummaryText().c_str());
    std::string shown;
    for (std::size_t i = 0; i < composed_.dests.size() && i < kPreviewedAddresses; ++i) {
        shown +=
            "--- " + std::to_string(i + 1) + " (line " + std::to_string(composed_.lines[i]) + ") ---\r\n";
        shown += HalveAmpersands(composed_.dests[i]) + "\r\n";
    }
    SetDlgItemTextA(Window(), IDC_IMPORT_ADDRESSES, shown.c_str());
    SetDlgItemTextA(Window(), IDC_IMPORT_WARNINGS, WarningText().c_str());
    EnableWindow(Item(IDC_IMPORT_FILL), composed_.count > 0);
}

std::string AddressImportDialog::SummaryText() const {
    std::string kind = file_.kind == AddressFileKind::VCard
                           ? std::string("vCard")
                           : std::string("delimited text, separator: ") + SeparatorName(file_.separator);
    const std::string header = file_.kind == AddressFileKind::VCard ? "name, organisation and first address"
                               : file_.header ? "recognised, the columns are placed by their names"
                                              : "none recognised, the columns are numbered";
    return "File: " + path_ + "\r\nFound: " + kind + "; encoding: " + TextEncodingName(file_.encoding) +
           " (labels in code page " + AnsiCodePageName() + ")\r\nHeader: " + header + "\r\n" +
           std::to_string(composed_.count) + " addresses for " + std::to_string(enabledLabels_) +
           " enabled labels.";
}

std::string AddressImportDialog::WarningText() const {
    std::string warnings;
    if (composed_.lostCount > 0) {
        warnings +=
            std::to_string(composed_.lostCount) +
            " addresses lost characters the code page lacks (shown as \"?\"), from the records on lines " +
            LineList(composed_.lostLines, composed_.lostCount) + ".\r\n";
    }
    const std::size_t onLabels = std::min(enabledLabels_, composed_.dests.size());
    const std::vector<std::string> filled(composed_.dests.begin(),
                                          composed_.dests.begin() + static_cast<std::ptrdiff_t>(onLabels));
    const std::vector<std::size_t> small = AddressesPrintedTooSmall(sheet_.Settings(), filled);
    if (!small.empty()) {
        std::vector<std::size_t> lines;
        for (const std::size_t i : small)
            lines.push_back(composed_.lines[i]);
        warnings += std::to_string(small.size()) +
                    " addresses would print smaller than 6 pt on these labels: lines " +
                    LineList(lines, lines.size()) + ".\r\n";
    }
    if (composed_.count > enabledLabels_) {
        warnings += std::to_string(composed_.count - enabledLabels_) +
                    " addresses will not fit on the sheet's enabled labels.\r\n";
    }
    return warnings.empty() ? "No warnings." : warnings;
}

bool AddressImportDialog::OnCommand(int controlId, int notification, HWND) {
    if (notification != BN_CLICKED)
        return false;
    switch (controlId) {
        case IDC_IMPORT_FILL:
            OnFill();
            return true;
        case IDC_IMPORT_UP:
            MoveSelectedColumn(-1);
            return true;
        case IDC_IMPORT_DOWN:
            MoveSelectedColumn(1);
            return true;
        default:
            return false;
    }
}

INT_PTR AddressImportDialog::OnMessage(UINT message, WPARAM, LPARAM lParam, bool& handled) {
    if (message != WM_NOTIFY)
        return FALSE;
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->idFrom != IDC_IMPORT_COLUMNS || header->code != LVN_ITEMCHANGED || fillingList_)
        return FALSE;
    const auto* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
    if (!(change->uChanged & LVIF_STATE) ||
        ((change->uNewState ^ change->uOldState) & LVIS_STATEIMAGEMASK) == 0)
        return FALSE;
    handled = true;
    if (plan_.byRole) {
        // The ticks of named columns show what the address takes; they are not the user's to change.
        const std::size_t c = columns_[static_cast<std::size_t>(change->iItem)].index;
        fillingList_ = true;
        ListView_SetCheckState(header->hwndFrom, change->iItem, plan_.meanings[c].role != ColumnRole::None);
        fillingList_ = false;
        return TRUE;
    }
    ReadTicks();
    Recompose();
    return TRUE;
}

void AddressImportDialog::OnFill() {
    const std::size_t written = FillEnabledLabels(sheet_, composed_.dests);
    const std::size_t notFitted = composed_.count - written;
    if (notFitted > 0)
        ShowUserMessage(NotFittedMessage(written, notFitted), Window());
    EndDialog(IDOK);
}

}  // namespace tagmora
