#pragma once
// The import preview (dialog 170): what was found in an address list, its first addresses as the labels
// will show them, its columns to tick and order when no header named them, and the warnings. "Fill the
// labels" writes the addresses into the sheet; Cancel leaves the sheet as it was.

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

#include "addresses/address_file.h"
#include "model/label_sheet.h"
#include "win/dialog.h"

namespace tagmora {

// How many addresses the preview lists.
constexpr std::size_t kPreviewedAddresses = 20;

class AddressImportDialog : public Dialog {
  public:
    AddressImportDialog(const AddressFile& file, const std::string& path, LabelSheet& sheet, HWND parent);

    // The texts the dialog shows, for the tests.
    std::string SummaryText() const;
    std::string WarningText() const;

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int controlId, int notification, HWND control) override;
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

  private:
    struct Column {
        std::size_t index;
        bool included;
    };
    void FillColumnList();
    void ReadTicks();
    void MoveSelectedColumn(int step);
    void Recompose();
    void OnFill();

    const AddressFile& file_;
    std::string path_;
    LabelSheet& sheet_;
    AddressPlan plan_;
    std::vector<Column> columns_;
    ComposedAddresses composed_;
    std::size_t enabledLabels_ = 0;
    bool fillingList_ = false;
};

// Writes the file's addresses into the sheet's enabled shown labels; the number that did not fit.
std::size_t FillLabelsFromFile(LabelSheet& sheet, const AddressFile& file);

// The message "Fill the labels" leaves when some addresses did not fit.
std::string NotFittedMessage(std::size_t written, std::size_t notFitted);

}  // namespace tagmora
