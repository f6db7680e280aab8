#include "dialogs/setup_fields.h"

#include <algorithm>

#include "res/resource_ids.h"

namespace tagmora {

const std::array<NumberField, 10> kNumberFields{{
    {IDC_SETUP_WMM, IDC_SETUP_WMM_SLIDER, &SheetSettings::WMM, 150, 250},
    {IDC_SETUP_HMM, IDC_SETUP_HMM_SLIDER, &SheetSettings::HMM, 240, 360},
    {IDC_SETUP_COLS, IDC_SETUP_COLS_SLIDER, &SheetSettings::COLS, 1, kMaxColumns},
    {IDC_SETUP_ROWS, IDC_SETUP_ROWS_SLIDER, &SheetSettings::ROWS, 1, kMaxRows},
    {IDC_SETUP_COLSPC, IDC_SETUP_COLSPC_SLIDER, &SheetSettings::COLSPC, 0, 100},
    {IDC_SETUP_ROWSPC, IDC_SETUP_ROWSPC_SLIDER, &SheetSettings::ROWSPC, 0, 100},
    {IDC_SETUP_TOPMRG, IDC_SETUP_TOPMRG_SLIDER, &SheetSettings::TOPMRG, 0, 100},
    {IDC_SETUP_LFTMRG, IDC_SETUP_LFTMRG_SLIDER, &SheetSettings::LFTMRG, 0, 100},
    {IDC_SETUP_RGTMRG, IDC_SETUP_RGTMRG_SLIDER, &SheetSettings::RGTMRG, 0, 100},
    {IDC_SETUP_BOTMRG, IDC_SETUP_BOTMRG_SLIDER, &SheetSettings::BOTMRG, 0, 100},
}};

const std::array<CheckField, 5> kCheckFields{{
    {IDC_SETUP_BDON, &SheetSettings::BDON},
    {IDC_SETUP_SDON1, &SheetSettings::SDON1},
    {IDC_SETUP_SDON2, &SheetSettings::SDON2},
    {IDC_SETUP_LGON, &SheetSettings::LGON},
    {IDC_SETUP_YFLP, &SheetSettings::YFLP},
}};

const std::array<ColourField, 4> kColourFields{{
    {IDC_SETUP_COLD, &SheetSettings::COLD},
    {IDC_SETUP_COLDIV, &SheetSettings::COLDIV},
    {IDC_SETUP_COLS1, &SheetSettings::COLS1},
    {IDC_SETUP_COLS2, &SheetSettings::COLS2},
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

const NumberField* NumberFieldBySlider(int sliderId) {
    return FindById(kNumberFields, sliderId, [](const NumberField& e) { return e.sliderId; });
}

const CheckField* CheckFieldByBox(int boxId) {
    return FindById(kCheckFields, boxId, [](const CheckField& e) { return e.boxId; });
}

const ColourField* ColourFieldByButton(int buttonId) {
    return FindById(kColourFields, buttonId, [](const ColourField& e) { return e.buttonId; });
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
