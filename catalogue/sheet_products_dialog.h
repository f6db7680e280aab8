#pragma once
// "Label Sheet Products": finds a product of the catalogue as the user types into the search box and
// hands back the chosen one. The list is a virtual list view, so filling it costs nothing per product: it
// asks for the texts of the rows it shows. The arrow and page keys typed into the search box move the
// list's selection while the box keeps the focus, so a part number typed and Enter chooses it.

#include <windows.h>

#include <string>
#include <vector>

#include "catalogue/product_search.h"
#include "catalogue/product_sheet.h"
#include "win/dialog.h"

namespace tagmora {

class SheetProductsDialog : public Dialog {
  public:
    // The products must outlive the dialog.
    SheetProductsDialog(const std::vector<ProductSheet>& products, HWND parent);

    // The product chosen with OK, Enter or a double-click; null otherwise.
    const ProductSheet* Chosen() const { return chosen_; }

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int controlId, int notification, HWND control) override;
    void OnOK() override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

  private:
    void AddColumns();
    void OnSearchChanged();
    void OnGetDisplayText(NMHDR& header);
    void ChooseRow(int row);
    int SelectedRow() const;
    static LRESULT CALLBACK SearchBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                               UINT_PTR subclassId, DWORD_PTR list);

    const std::vector<ProductSheet>& products_;
    ProductIndex index_;
    std::vector<int> shown_;  // positions in products_, best match first
    // The list view copies a cell's text as soon as the notification returns; these keep it until then.
    std::string cellText_;
    std::wstring wideCellText_;
    const ProductSheet* chosen_ = nullptr;
};

// Reads the catalogue beside the program and runs the chooser over the owner; true, with the product, when
// the user chose one. A missing or damaged catalogue is reported through the user messages and gives false.
bool ChooseSheetProduct(HWND owner, ProductSheet& chosen);

}  // namespace tagmora
