#include "catalogue/sheet_products_dialog.h"

#include <commctrl.h>

#include "catalogue/catalogue_file.h"
#include "catalogue/product_texts.h"
#include "model/user_message.h"
#include "res/resource_ids.h"

namespace tagmora {

namespace {

constexpr UINT_PTR kSearchBoxSubclassId = 1;

struct ColumnHeading {
    const char* text;
    int widthShare;  // of the list's client width, in hundredths
    ProductColumn column;
};

constexpr ColumnHeading kColumns[] = {
    {"Maker", 14, ProductColumn::Maker},
    {"Part number", 15, ProductColumn::Part},
    {"Description", 30, ProductColumn::Description},
    {"Grid", 8, ProductColumn::Grid},
    {"Label size", 18, ProductColumn::LabelSize},
    {"Paper", 12, ProductColumn::Paper},
};

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

}  // namespace

SheetProductsDialog::SheetProductsDialog(const std::vector<ProductSheet>& products, HWND parent)
    : Dialog(IDD_SHEET_PRODUCTS, parent), products_(products), index_(products) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
}

BOOL SheetProductsDialog::OnInitDialog() {
    CentreOverOwner();
    const HWND list = Item(IDC_PRODUCT_LIST);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    AddColumns();
    SetWindowSubclass(Item(IDC_PRODUCT_SEARCH), &SearchBoxProcedure, kSearchBoxSubclassId,
                      reinterpret_cast<DWORD_PTR>(list));
    OnSearchChanged();
    SetFocus(Item(IDC_PRODUCT_SEARCH));
    return FALSE;  // the focus is set
}

void SheetProductsDialog::AddColumns() {
    const HWND list = Item(IDC_PRODUCT_LIST);
    RECT client{};
    GetClientRect(list, &client);
    const int width = client.right - client.left - GetSystemMetrics(SM_CXVSCROLL);
    int index = 0;
    for (const ColumnHeading& heading : kColumns) {
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = const_cast<char*>(heading.text);
        column.cx = width * heading.widthShare / 100;
        column.iSubItem = index;
        SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
        ++index;
    }
}

bool SheetProductsDialog::OnCommand(int controlId, int notification, HWND) {
    if (controlId == IDC_PRODUCT_SEARCH && notification == EN_CHANGE) {
        OnSearchChanged();
        return true;
    }
    return false;
}

// Filters at every change of the box: the search over the whole catalogue takes well under a millisecond,
// and the virtual list only counts its rows.
void SheetProductsDialog::OnSearchChanged() {
    shown_ = index_.Find(WindowText(Item(IDC_PRODUCT_SEARCH)));
    const HWND list = Item(IDC_PRODUCT_LIST);
    ListView_SetItemCountEx(list, static_cast<int>(shown_.size()), 0);
    if (!shown_.empty()) {
        ListView_SetItemState(list, 0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        ListView_EnsureVisible(list, 0, FALSE);
    }
    InvalidateRect(list, nullptr, FALSE);
    const std::string count =
        std::to_string(shown_.size()) + " of " + std::to_string(products_.size()) + " products";
    SetDlgItemTextA(Window(), IDC_PRODUCT_COUNT, count.c_str());
}

int SheetProductsDialog::SelectedRow() const {
    return ListView_GetNextItem(Item(IDC_PRODUCT_LIST), -1, LVNI_SELECTED);
}

void SheetProductsDialog::ChooseRow(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= shown_.size()) {
        MessageBeep(MB_OK);
        return;
    }
    chosen_ = &products_[static_cast<std::size_t>(shown_[static_cast<std::size_t>(row)])];
    EndDialog(IDOK);
}

void SheetProductsDialog::OnOK() {
    ChooseRow(SelectedRow());
}

void SheetProductsDialog::OnGetDisplayText(NMHDR& header) {
    // The list view asks in the parent's character set; an ANSI dialog is asked in ANSI, but a wide request
    // is answered too.
    const bool wide = header.code == LVN_GETDISPINFOW;
    LVITEMA& item = reinterpret_cast<NMLVDISPINFOA&>(header).item;
    if (!(item.mask & LVIF_TEXT) || item.iItem < 0 || static_cast<std::size_t>(item.iItem) >= shown_.size() ||
        item.iSubItem < 0 || item.iSubItem >= static_cast<int>(std::size(kColumns)))
        return;
    const ProductSheet& product =
        products_[static_cast<std::size_t>(shown_[static_cast<std::size_t>(item.iItem)])];
    cellText_ = ProductColumnText(product, kColumns[item.iSubItem].column);
    if (wide) {
        LVITEMW& wideItem = reinterpret_cast<NMLVDISPINFOW&>(header).item;
        const int length = MultiByteToWideChar(CP_ACP, 0, cellText_.c_str(), -1, nullptr, 0);
        wideCellText_.assign(static_cast<std::size_t>(length > 0 ? length : 1), L'\0');
        MultiByteToWideChar(CP_ACP, 0, cellText_.c_str(), -1, wideCellText_.data(), length);
        wideItem.pszText = wideCellText_.data();
    } else {
        item.pszText = cellText_.data();
    }
}

INT_PTR SheetProductsDialog::OnMessage(UINT message, WPARAM, LPARAM lParam, bool& handled) {
    if (message != WM_NOTIFY)
        return FALSE;
    NMHDR& header = *reinterpret_cast<NMHDR*>(lParam);
    if (header.idFrom != IDC_PRODUCT_LIST)
        return FALSE;
    if (header.code == LVN_GETDISPINFOA || header.code == LVN_GETDISPINFOW) {
        OnGetDisplayText(header);
        handled = true;
        return TRUE;
    }
    if (header.code == NM_DBLCLK) {
        ChooseRow(reinterpret_cast<NMITEMACTIVATE&>(header).iItem);
        handled = true;
        return TRUE;
    }
    return FALSE;
}

// The box hands the keys that move through a list to the list, which moves its selection as if it had the
// focus; every other key stays the box's.
LRESULT CALLBACK SheetProductsDialog::SearchBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                                         UINT_PTR subclassId, DWORD_PTR list) {
    if (message == WM_KEYDOWN &&
        (wParam == VK_UP || wParam == VK_DOWN || wParam == VK_PRIOR || wParam == VK_NEXT)) {
        SendMessageA(reinterpret_cast<HWND>(list), WM_KEYDOWN, wParam, lParam);
        return 0;
    }
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(box, &SearchBoxProcedure, subclassId);
    return DefSubclassProc(box, message, wParam, lParam);
}

bool ChooseSheetProduct(HWND owner, ProductSheet& chosen) {
    const CatalogueRead catalogue = LoadCatalogue(CataloguePath());
    if (!catalogue.error.empty()) {
        ShowUserMessage(catalogue.error, owner);
        return false;
    }
    SheetProductsDialog dialog(catalogue.products, owner);
    if (dialog.RunModal() != IDOK || !dialog.Chosen())
        return false;
    chosen = *dialog.Chosen();
    return true;
}

}  // namespace tagmora
