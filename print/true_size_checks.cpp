#include "print/true_size_checks.h"

#include <algorithm>
#include <cstdint>

#include "model/exact_lengths.h"
#include "model/sheet_fields.h"

namespace tagmora {

namespace {

constexpr std::int64_t kHundredthsPerInch = 2540;
// Beyond this many the message says how many more, rather than growing past the screen.
constexpr std::size_t kLabelsNamed = 12;

// Dots at a resolution to hundredths of a millimetre, to the nearest.
std::int32_t DotsToHundredths(std::int64_t dots, int dotsPerInch) {
    if (dotsPerInch <= 0)
        return 0;
    const std::int64_t scaled = dots * kHundredthsPerInch;
    const std::int64_t half = dotsPerInch / 2;
    return static_cast<std::int32_t>(scaled >= 0 ? (scaled + half) / dotsPerInch
                                                 : (scaled - half) / dotsPerInch);
}

std::string SizeText(std::int32_t width, std::int32_t height) {
    return LengthText(width) + " x " + LengthText(height) + " mm";
}

}  // namespace

std::string PaperMismatchText(const SheetSettings& settings, const PrinterPaper& paper) {
    const std::int32_t sheetWidth = ExactLength(settings, SheetFieldByKey("WMM"));
    const std::int32_t sheetHeight = ExactLength(settings, SheetFieldByKey("HMM"));
    const std::int32_t paperWidth = DotsToHundredths(paper.physicalWidth, paper.logPixelsX);
    const std::int32_t paperHeight = DotsToHundredths(paper.physicalHeight, paper.logPixelsY);
    if (std::abs(std::int64_t{paperWidth} - sheetWidth) <= kPaperToleranceHundredths &&
        std::abs(std::int64_t{paperHeight} - sheetHeight) <= kPaperToleranceHundredths) {
        return std::string();
    }
    return "The printer's paper is " + SizeText(paperWidth, paperHeight) + ", but the label sheet is " +
           SizeText(sheetWidth, sheetHeight) +
           ".\rPrinted true to size, the labels would not land on the sheet's labels.";
}

std::string UnprintableLabelsText(const LabelSheet& sheet, const SheetLayout& layout,
                                  const PrinterPaper& paper) {
    std::vector<std::string> named;
    for (int i = 0; i < layout.count && i < sheet.LabelCount(); ++i) {
        if (!sheet.Slot(i).enabled)
            continue;
        const DeviceRect& label = layout.slots[static_cast<std::size_t>(i)].label;
        const std::int32_t across =
            DotsToHundredths(std::max<std::int64_t>({0, -std::int64_t{label.left},
                                                     std::int64_t{label.right} - paper.printableWidth}),
                             paper.logPixelsX);
        const std::int32_t down =
            DotsToHundredths(std::max<std::int64_t>({0, -std::int64_t{label.top},
                                                     std::int64_t{label.bottom} - paper.printableHeight}),
                             paper.logPixelsY);
        const std::int32_t reach = std::max(across, down);
        if (reach > 0)
            named.push_back("label " + std::to_string(i + 1) + " by " + LengthText(reach) + " mm");
    }
    if (named.empty())
        return std::string();
    std::string list;
    for (std::size_t i = 0; i < named.size() && i < kLabelsNamed; ++i)
        list += (i == 0 ? "" : ", ") + named[i];
    if (named.size() > kLabelsNamed)
        list += " and " + std::to_string(named.size() - kLabelsNamed) + " more";
    return "These labels reach into the edge of the paper that the printer cannot print, and would be cut "
           "there:\r" +
           list + ".";
}

std::vector<std::string> TrueSizeDoubts(const LabelSheet& sheet, const SheetLayout& layout,
                                        const PrinterPaper& paper) {
    std::vector<std::string> doubts;
    for (std::string text :
         {PaperMismatchText(sheet.Settings(), paper), UnprintableLabelsText(sheet, layout, paper)}) {
        if (!text.empty())
            doubts.push_back(std::move(text));
    }
    return doubts;
}

}  // namespace tagmora
