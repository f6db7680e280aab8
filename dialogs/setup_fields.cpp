#include "dialogs/setup_fields.h"

#include <algorithm>

#include "res/resource_ids.h"

namespace tagmora {

const std::array<NumberControl, 10> kNumberControls{{
    {IDC_SETUP_WMM, IDC_SETUP_WMM_SLIDER, SheetFieldByKey("WMM")},
    {IDC_SETUP_HMM, IDC_SETUP_HMM_SLIDER, SheetFieldByKey("HMM")},
    {IDC_SETUP_COLS, IDC_SETUP_COLS_SLIDER, SheetFieldByKey("COLS")},
    {IDC_SETUP_ROWS, IDC_SETUP_ROWS_SLIDER, SheetFieldByKey("ROWS")},
    {IDC_SETUP_COLSPC, IDC_SETUP_COLSPC_SLIDER, SheetFieldByKey("COLSPC")},
    {IDC_SETUP_ROWSPC, IDC_SETUP_ROWSPC_SLIDER, SheetFieldByKey("ROWSPC")},
    {IDC_SETUP_TOPMRG, IDC_SETUP_TOPMRG_SLIDER, SheetFieldByKey("TOPMRG")},
    {IDC_SETUP_LFTMRG, IDC_SETUP_LFTMRG_SLIDER, SheetFieldByKey("LFTMRG")},
    {IDC_SETUP_RGTMRG, IDC_SETUP_RGTMRG_SLIDER, SheetFieldByKey("RGTMRG")},
    {IDC_SETUP_BOTMRG, IDC_SETUP_BOTMRG_SLIDER, SheetFieldByKey("BOTMRG")},
}};

const std::array<CheckControl, 6> kCheckControls{{
    {IDC_SETUP_BDON, SheetFieldByKey("BDON")},
    {IDC_SETUP_SDON1, SheetFieldByKey("SDON1")},
    {IDC_SETUP_SDON2, SheetFieldByKey("SDON2")},
    {IDC_SETUP_LGON, SheetFieldByKey("LGON")},
    {IDC_SETUP_YFLP, SheetFieldByKey("YFLP")},
    {IDC_SETUP_TRUESIZE, SheetFieldByKey("TRUESIZE")},
}};

const std::array<ColourControl, 4> kColourControls{{
    {IDC_SETUP_COLD, SheetFieldByKey("COLD")},
    {IDC_SETUP_COLDIV, SheetFieldByKey("COLDIV")},
    {IDC_SETUP_COLS1, SheetFieldByKey("COLS1")},
    {IDC_SETUP_COLS2, SheetFieldByKey("COLS2")},
}};

const std::array<TextControl, 4> kTextControls{{
    {IDC_SETUP_SEND1, SheetFieldByKey("SEND1")},
    {IDC_SETUP_SEND2, SheetFieldByKey("SEND2")},
    {IDC_SETUP_FONT, SheetFieldByKey("FONT")},
    {IDC_SETUP_LOGO, SheetFieldByKey("LOGO")},
}};

const std::array<PaperPreset, 3> kPaperPresets{{
    {IDC_SETUP_A4, 210, 297},
    {IDC_SETUP_LETTER, 216, 279},
    {IDC_SETUP_LEGAL, 216, 356},
}};

namespace {

template <typename Table, typename Id>
auto FindById(const Table& table, int id, Id idOf) -> decltype(&table[0]) {
    const auto found = std::find_if(table.begin(), table.end(), [&](const auto& e) { return idOf(e) == id; });
    return found == table.end() ? nullptr : &*found;
}

}  // namespace

const NumberControl* NumberControlBySlider(int sliderId) {
    return FindById(kNumberControls, sliderId, [](const NumberControl& e) { return e.sliderId; });
}

const CheckControl* CheckControlByBox(int boxId) {
    return FindById(kCheckControls, boxId, [](const CheckControl& e) { return e.boxId; });
}

const ColourControl* ColourControlByButton(int buttonId) {
    return FindById(kColourControls, buttonId, [](const ColourControl& e) { return e.buttonId; });
}

const PaperPreset* PaperPresetByButton(int buttonId) {
    return FindById(kPaperPresets, buttonId, [](const PaperPreset& e) { return e.buttonId; });
}

std::int32_t InvertedTrackbarPosition(std::int32_t valueOrPosition, std::int32_t minimum,
                                      std::int32_t maximum) {
    const std::int64_t inverted = std::int64_t{minimum} + maximum - valueOrPosition;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(inverted, minimum, maximum));
}

std::string FileChooserFilter(const std::string& barSeparated) {
    std::string filter = barSeparated;
    std::replace(filter.begin(), filter.end(), '|', '\0');
    return filter;
}

}  // namespace tagmora
