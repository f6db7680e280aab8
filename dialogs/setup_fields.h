#pragma once
// Which control of the Setup Dialog edits which field of the sheet settings, and the ranges the Value
// Slider keeps the numbers in. One table, so that the dialog, its sliders and its tests agree.

#include <array>
#include <cstdint>
#include <string>

#include "model/label_sheet.h"

namespace tagmora {

// A read-only number box, the "»" beside it that opens its slider, and the range the slider allows.
struct NumberField {
    int boxId;
    int sliderId;
    std::int32_t SheetSettings::*field;
    std::int32_t minimum;
    std::int32_t maximum;
};

struct CheckField {
    int boxId;
    bool SheetSettings::*field;
};

struct ColourField {
    int buttonId;
    Colour SheetSettings::*field;
};

// A paper button: the sheet size it sets, in millimetres.
struct PaperPreset {
    int buttonId;
    std::int32_t WMM;
    std::int32_t HMM;
};

extern const std::array<NumberField, 10> kNumberFields;
extern const std::array<CheckField, 5> kCheckFields;
extern const std::array<ColourField, 4> kColourFields;
extern const std::array<PaperPreset, 3> kPaperPresets;

// The entry whose "»" (sliderId), box or button has this id, or null.
const NumberField* NumberFieldBySlider(int sliderId);
const CheckField* CheckFieldByBox(int boxId);
const ColourField* ColourFieldByButton(int buttonId);
const PaperPreset* PaperPresetByButton(int buttonId);

// A vertical trackbar has its minimum at the top; the slider shows the maximum there, so positions run
// the other way: the same mapping turns a value into a position and a position back into a value. A
// number outside the range (from a hand-edited file) maps to the nearer end, as the trackbar would put it.
std::int32_t InvertedTrackbarPosition(std::int32_t valueOrPosition, std::int32_t minimum,
                                      std::int32_t maximum);

// A common file dialog's filter from the "Name|*.ext||" notation: every "|" becomes a NUL, so that the
// result ends with the two NULs the platform looks for.
std::string FileChooserFilter(const std::string& barSeparated);

}  // namespace tagmora
