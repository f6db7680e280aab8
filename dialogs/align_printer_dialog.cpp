#include "dialogs/align_printer_dialog.h"

#include <cstdio>

#include "alignment/millimetre_text.h"
#include "model/user_message.h"
#include "print/calibration_page.h"
#include "print/printer_choice.h"
#include "res/resource_ids.h"

namespace tagmora {
namespace {

constexpr double kLargestReading = 10;
constexpr int kReadingIds[6] = {IDC_ALIGN_READING_1, IDC_ALIGN_READING_2, IDC_ALIGN_READING_3,
                                IDC_ALIGN_READING_4, IDC_ALIGN_READING_5, IDC_ALIGN_READING_6};
constexpr const char* kReadingsWanted =
    "Type a number from -10 to 10 in every box (0 where the edge meets 0).";

std::string WindowText(HWND window) {
    char text[64] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// First the printer's map, then the correction on top of it: a reading off a corrected page is what is
// left after the correction.
AffineMap Then(const AffineMap& first, const AffineMap& second) {
    AffineMap map;
    map.xx = second.xx * first.xx + second.xy * first.yx;
    map.xy = second.xx * first.xy + second.xy * first.yy;
    map.x0 = second.xx * first.x0 + second.xy * first.y0 + second.x0;
    map.yx = second.yx * first.xx + second.yy * first.yx;
    map.yy = second.yx * first.xy + second.yy * first.yy;
    map.y0 = second.yx * first.x0 + second.yy * first.y0 + second.y0;
    return map;
}

std::string Fixed(double value, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

}  // namespace

AlignPrinterDialog::AlignPrinterDialog(const SheetSettings& sheet, HWND parent)
    : Dialog(IDD_ALIGN_PRINTER, parent), grid_(SheetGridOf(sheet)) {
    corners_ = ReferenceCorners(grid_);
}

BOOL AlignPrinterDialog::OnInitDialog() {
    CentreOverOwner();
    alignments_ = ReadPrintersFile();
    ShowPrinter(DefaultPrinterName());
    return TRUE;
}

void AlignPrinterDialog::ShowPrinter(const std::string& printer) {
    printer_ = printer;
    printedWith_ = {};
    SetWindowTextA(Item(IDC_ALIGN_PRINTER_NAME), printer.empty() ? "(none)" : printer.c_str());
    const AlignmentState state = alignments_.StateOf(printer);
    if (state == AlignmentState::Damaged) {
        ShowUserMessage("The alignment stored for " + printer +
                            " in printers.dat cannot be read, so that printer prints uncorrected. Print the "
                            "calibration page and take new readings.",
                        Window());
    }
    const PrinterAlignment* stored = alignments_.Find(printer);
    ShowReadingsOf(stored ? stored->printerMap : AffineMap{});
}

void AlignPrinterDialog::ShowReadingsOf(const AffineMap& printerMap) {
    for (std::size_t i = 0; i < corners_.size(); ++i) {
        const ReferenceCorner& c = corners_[i];
        SetWindowTextA(Item(kReadingIds[2 * i]), MillimetreText(printerMap.MapX(c.x, c.y) - c.x).c_str());
        SetWindowTextA(Item(kReadingIds[2 * i + 1]), MillimetreText(printerMap.MapY(c.x, c.y) - c.y).c_str());
    }
    ShowSummary();
}

std::optional<std::array<double, 6>> AlignPrinterDialog::Readings() const {
    std::array<double, 6> readings{};
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const std::optional<double> reading = ParseMillimetres(WindowText(Item(kReadingIds[i])));
        if (!reading || *reading < -kLargestReading || *reading > kLargestReading)
            return std::nullopt;
        readings[i] = *reading;
    }
    return readings;
}

std::optional<AffineMap> AlignPrinterDialog::EstimatedPrinterMap() const {
    const auto readings = Readings();
    if (!readings)
        return std::nullopt;
    const auto left = SolvePrinterMap(PointsFromReadings(corners_, *readings));
    if (!left)
        return std::nullopt;
    return Then(printedWith_, *left);
}

void AlignPrinterDialog::ShowSummary() {
    std::string text;
    if (!Readings()) {
        text = kReadingsWanted;
    } else if (const auto estimate = EstimatedPrinterMap()) {
        const AlignmentSummary s = Summarise(*estimate);
        text = "The printer moves the page " + Fixed(s.offsetX, 2) + " mm across and " + Fixed(s.offsetY, 2) +
               " mm down, scales it to " + Fixed(s.scaleXPercent, 2) + " % across and " +
               Fixed(s.scaleYPercent, 2) + " % down and turns it by " + Fixed(s.rotationDegrees, 2) +
               "\xB0. OK corrects every true-size page on this printer for that.";
    } else {
        text = "These readings describe no printer: check their signs.";
    }
    SetWindowTextA(Item(IDC_ALIGN_SUMMARY), text.c_str());
}

bool AlignPrinterDialog::OnCommand(int controlId, int notification, HWND) {
    if (controlId == IDC_ALIGN_PRINT || controlId == IDC_ALIGN_PRINT_AGAIN) {
        if (notification == BN_CLICKED)
            OnPrint(controlId == IDC_ALIGN_PRINT_AGAIN);
        return true;
    }
    for (const int id : kReadingIds) {
        if (controlId == id) {
            if (notification == EN_CHANGE)
                ShowSummary();
            return true;
        }
    }
    return false;
}

void AlignPrinterDialog::OnPrint(bool again) {
    AffineMap correctFor;  // the first page is printed as the printer prints it
    if (again) {
        const auto estimate = EstimatedPrinterMap();
        if (!estimate) {
            ShowUserMessage(kReadingsWanted, Window());
            return;
        }
        correctFor = *estimate;
    }
    ChosenPrinter chosen = ChoosePrinter(Window());
    if (!chosen.dc)
        return;
    if (chosen.name != printer_)
        ShowPrinter(chosen.name);
    const auto correction = Inverse(correctFor);
    if (!PrintCalibrationPage(chosen.dc.Get(), grid_, correction.value_or(AffineMap{}))) {
        ShowUserMessage("The calibration page could not be printed on " + chosen.name + ".", Window());
        return;
    }
    // The readings to come are off this page: what is left after its correction.
    printedWith_ = correctFor;
    ShowReadingsOf(AffineMap{});
}

void AlignPrinterDialog::OnOK() {
    const auto estimate = EstimatedPrinterMap();
    if (!estimate || printer_.empty()) {
        ShowUserMessage(printer_.empty() ? "Choose a printer first: press \"Print calibration page...\"."
                                         : kReadingsWanted,
                        Window());
        return;
    }
    // Stored as the points it maps, so that the file says in millimetres what the printer does.
    std::vector<AlignmentPoint> points;
    for (const ReferenceCorner& c : corners_)
        points.push_back({c.x, c.y, estimate->MapX(c.x, c.y) - c.x, estimate->MapY(c.x, c.y) - c.y});
    if (!alignments_.Store(printer_, points) || !WritePrintersFile(alignments_))
        return;
    EndDialog(IDOK);
}

}  // namespace tagmora
