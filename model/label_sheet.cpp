#include "model/label_sheet.h"

#include <cassert>

#include "model/working_folder.h"

namespace tagmora {

const char* const kDefaultDest =
    "Left click this label\r\nto enable/disable it.\r\n\r\nRight click this label\r\nto change the address.";
const char* const kDefaultSend1 = "Sender\xBB";
const char* const kDefaultSend2 = "senders address\r\npress setup to\r\nchange this";
const char* const kDefaultFont = "Tahoma";
const char* const kDefaultLogo = "{{WKDIR}}\\GFX\\Ostrel.bmp";

bool SheetSettings::operator==(const SheetSettings& o) const {
    return SDON1 == o.SDON1 && SDON2 == o.SDON2 && LGON == o.LGON && BDON == o.BDON && YFLP == o.YFLP &&
           WMM == o.WMM && HMM == o.HMM && ROWS == o.ROWS && COLS == o.COLS && ROWSPC == o.ROWSPC &&
           COLSPC == o.COLSPC && LFTMRG == o.LFTMRG && RGTMRG == o.RGTMRG && TOPMRG == o.TOPMRG &&
           BOTMRG == o.BOTMRG && DLGX == o.DLGX && DLGY == o.DLGY && DLGM == o.DLGM && COLD == o.COLD &&
           COLS2 == o.COLS2 && COLS1 == o.COLS1 && COLDIV == o.COLDIV && LOGO == o.LOGO && SEND1 == o.SEND1 &&
           SEND2 == o.SEND2 && FONT == o.FONT && logoAspect == o.logoAspect;
}

bool DefaultEnabled(int index) {
    return index == 0 || index == 3;
}

LabelSheet::LabelSheet() {
    ApplyDefaults();
}

void LabelSheet::ApplyDefaults() {
    settings_ = SheetSettings{};
    settings_.LOGO = ExpandWorkingFolder(kDefaultLogo);
    for (int i = 0; i < kSlotCount; ++i) {
        slots_[i] = LabelSlot{DefaultEnabled(i), kDefaultDest};
    }
}

int LabelSheet::LabelCount() const {
    // The reader keeps COLS and ROWS usable; the guard keeps a hand-assigned value from reaching past the
    // slots.
    const long long count = static_cast<long long>(settings_.COLS) * settings_.ROWS;
    if (count < 0)
        return 0;
    return count > kSlotCount ? kSlotCount : static_cast<int>(count);
}

LabelSlot& LabelSheet::Slot(int index) {
    assert(index >= 0 && index < kSlotCount);
    return slots_[static_cast<std::size_t>(index)];
}

const LabelSlot& LabelSheet::Slot(int index) const {
    assert(index >= 0 && index < kSlotCount);
    return slots_[static_cast<std::size_t>(index)];
}

void LabelSheet::SetAllEnabled(bool enabled) {
    for (auto& slot : slots_)
        slot.enabled = enabled;
}

void LabelSheet::SetAllDest(const std::string& dest) {
    for (auto& slot : slots_)
        slot.DEST = dest;
}

void LabelSheet::ToggleEnabled(int index) {
    Slot(index).enabled = !Slot(index).enabled;
}

bool LabelSheet::operator==(const LabelSheet& other) const {
    return settings_ == other.settings_ && slots_ == other.slots_;
}

}  // namespace tagmora
