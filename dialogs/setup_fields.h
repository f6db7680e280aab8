#pragma once
// Which control of the Setup Dialog edits which field of the sheet settings. The fields themselves (their
// members and ranges) are the sheet's own table; this one only binds them to the dialog's controls.

#include <array>
#include <cstdint>
#include <string>

#include "model/label_sheet.h"
#include "model/sheet_fields.h"

namespace tagmora {

// A read-only number box and the "»" beside it that opens its slider; the slider keeps the field in the
// range its table entry gives.
struct NumberControl {
    int boxId;
    int sliderId;
    const SheetField& field;
};

struct CheckControl {
    int boxId;
    const SheetField& field;
};

struct ColourControl {
    int buttonId;
    const SheetField& field;
};

// An edit box holding a text field.
struct TextControl {
    int boxId;
    const SheetField& field;
};

// A paper button: the sheet size it sets, in millimetres.
struct PaperPreset {
    int buttonId;
    std::int32_t WMM;
    std::int32_t HMM;
};

extern const std::array<NumberControl, 10> kNumberControls;
extern const std::array<CheckControl, 6> kCheckControls;
extern const std::array<ColourControl, 4> kColourControls;
extern const std::array<TextControl, 4> kTextControls;
extern const std::array<PaperPreset, 3> kPaperPresets;

// The entry whose "»" (sliderId), box or button has this id, or null.
const NumberControl* NumberControlBySlider(int sliderId);
const CheckControl* CheckControlByBox(int boxId);
const ColourControl* ColourControlByButton(int buttonId);
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
