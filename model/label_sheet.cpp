#include "model/label_sheet.h"

#include <cassert>

#include "model/sheet_fields.h"

namespace tagmora {

SheetSettings::SheetSettings() {
    ApplyFieldDefaults(*this);
}

bool SheetSettings::operator==(const SheetSettings& other) const {
    return SameFieldValues(*this, other);
}

bool DefaultEnabled(int index) {
    return index == 0 || index == 3;
}

LabelSheet::LabelSheet() {
    ApplyDefaults();
}

void LabelSheet::ApplyDefaults() {
    settings_ = SheetSettings{};
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
