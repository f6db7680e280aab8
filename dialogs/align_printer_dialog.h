#pragma once
// "Align Printer": prints the calibration page for the sheet on a printer the user chooses, takes the six
// readings off it and stores what they say about that printer in printers.dat.

#include <array>
#include <optional>
#include <string>

#include "alignment/calibration_marks.h"
#include "alignment/printer_map.h"
#include "alignment/printers_file.h"
#include "model/label_sheet.h"
#include "win/dialog.h"

namespace tagmora {

class AlignPrinterDialog : public Dialog {
  public:
    AlignPrinterDialog(const SheetSettings& sheet, HWND parent);

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int controlId, int notification, HWND control) override;
    void OnOK() override;

  private:
    void ShowPrinter(const std::string& printer);
    void ShowReadingsOf(const AffineMap& printerMap);
    std::optional<std::array<double, 6>> Readings() const;
    // What the printer does, from the readings off the page printed last; empty while a reading is missing.
    std::optional<AffineMap> EstimatedPrinterMap() const;
    void ShowSummary();
    void OnPrint(bool again);

    std::array<ReferenceCorner, 3> corners_;
    SheetGrid grid_;
    PrinterAlignments alignments_;
    std::string printer_;
    // The printer's map as the page the readings come from was corrected for: the identity for a first
    // page, the estimate at the time for "Print again".
    AffineMap printedWith_;
};

}  // namespace tagmora
