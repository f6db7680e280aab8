#pragma once
// Every sheet-wide field of the label sheet, described once: its setup-file key, its member, its kind, its
// default and the range the Setup Dialog keeps it in. The setup file's writer and reader, the comparison of
// two sheets and the Setup Dialog's controls all run over this table, so that a field added here is saved,
// read, compared and edited alike.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/label_sheet.h"

namespace tagmora {

enum class FieldKind { Flag, Number, Colour, Text };

// How a text stands in its section.
enum class TextForm {
    Verbatim,     // exactly as found, white space included: a sender text may end in an empty line
    Trimmed,      // surrounding white space dropped when read
    ProgramPath,  // trimmed, and the working folder stands as its placeholder in the file
};

struct SheetField {
    const char* key;  // a key line is key "=" value; a section is "<" key ">" text "</" key ">"
    FieldKind kind;
    // The member of the field's kind; the others are null.
    bool SheetSettings::*flag = nullptr;
    std::int32_t SheetSettings::*number = nullptr;
    Colour SheetSettings::*colour = nullptr;
    std::string SheetSettings::*text = nullptr;
    TextForm textForm = TextForm::Verbatim;
    // Flags (0 or 1), numbers and colours; a missing key reads as this too. A missing section reads as an
    // empty text, whatever a new sheet holds.
    std::int32_t defaultValue = 0;
    const char* defaultText = "";  // as stored in a file: a program path holds the placeholder
    // What the Setup Dialog's slider allows; numbers only.
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;
    // A length: its exact value in hundredths of a millimetre, and that value's name in the file's EXACT
    // section. Lower case, so that no key of the file ("COLS=") can be found inside the section.
    std::int32_t SheetSettings::*exact = nullptr;
    const char* exactName = nullptr;
    // Written after the ONOF section, and only when it is not its default: a sheet that does not use the
    // field is written as it was before the field existed.
    bool onlyWhenSet = false;
};

constexpr SheetField FlagField(const char* key, bool SheetSettings::*member, bool byDefault) {
    SheetField f{key, FieldKind::Flag};
    f.flag = member;
    f.defaultValue = byDefault ? 1 : 0;
    return f;
}

constexpr SheetField NumberField(const char* key, std::int32_t SheetSettings::*member, std::int32_t byDefault,
                                 std::int32_t minimum = 0, std::int32_t maximum = 0) {
    SheetField f{key, FieldKind::Number};
    f.number = member;
    f.defaultValue = byDefault;
    f.minimum = minimum;
    f.maximum = maximum;
    return f;
}

constexpr SheetField LengthField(const char* key, std::int32_t SheetSettings::*member,
                                 std::int32_t SheetSettings::*exact, const char* exactName,
                                 std::int32_t byDefault, std::int32_t minimum, std::int32_t maximum) {
    SheetField f = NumberField(key, member, byDefault, minimum, maximum);
    f.exact = exact;
    f.exactName = exactName;
    return f;
}

constexpr SheetField OptionalFlagField(const char* key, bool SheetSettings::*member) {
    SheetField f = FlagField(key, member, false);
    f.onlyWhenSet = true;
    return f;
}

constexpr SheetField ColourField(const char* key, Colour SheetSettings::*member) {
    SheetField f{key, FieldKind::Colour};
    f.colour = member;
    return f;
}

constexpr SheetField TextField(const char* key, std::string SheetSettings::*member, TextForm form,
                               const char* byDefault) {
    SheetField f{key, FieldKind::Text};
    f.text = member;
    f.textForm = form;
    f.defaultText = byDefault;
    return f;
}

// In the order the setup file holds them. The slots' DEST sections stand between the first
// kFieldsBeforeSlotTexts fields and the rest, and their ONOF section after the rest; the fields written only
// when set follow ONOF, and the EXACT section of the lengths' exact values comes last.
inline constexpr std::array<SheetField, 27> kSheetFields{{
    FlagField("YFLP", &SheetSettings::YFLP, false),
    FlagField("BDON", &SheetSettings::BDON, true),
    FlagField("SDON1", &SheetSettings::SDON1, true),
    FlagField("SDON2", &SheetSettings::SDON2, true),
    FlagField("LGON", &SheetSettings::LGON, true),
    FlagField("DLGM", &SheetSettings::DLGM, false),
    NumberField("DLGX", &SheetSettings::DLGX, -1),
    NumberField("DLGY", &SheetSettings::DLGY, -1),
    LengthField("WMM", &SheetSettings::WMM, &SheetSettings::exactWMM, "wmm", 210, 150, 250),
    LengthField("HMM", &SheetSettings::HMM, &SheetSettings::exactHMM, "hmm", 297, 240, 360),
    NumberField("COLS", &SheetSettings::COLS, 2, 1, kMaxColumns),
    NumberField("ROWS", &SheetSettings::ROWS, 4, 1, kMaxRows),
    LengthField("COLSPC", &SheetSettings::COLSPC, &SheetSettings::exactCOLSPC, "colspc", 2, 0, 100),
    LengthField("ROWSPC", &SheetSettings::ROWSPC, &SheetSettings::exactROWSPC, "rowspc", 0, 0, 100),
    LengthField("TOPMRG", &SheetSettings::TOPMRG, &SheetSettings::exactTOPMRG, "topmrg", 12, 0, 100),
    LengthField("LFTMRG", &SheetSettings::LFTMRG, &SheetSettings::exactLFTMRG, "lftmrg", 1, 0, 100),
    LengthField("RGTMRG", &SheetSettings::RGTMRG, &SheetSettings::exactRGTMRG, "rgtmrg", 4, 0, 100),
    LengthField("BOTMRG", &SheetSettings::BOTMRG, &SheetSettings::exactBOTMRG, "botmrg", 0, 0, 100),
    TextField("FONT", &SheetSettings::FONT, TextForm::Trimmed, kDefaultFont),
    ColourField("COLDIV", &SheetSettings::COLDIV),
    ColourField("COLD", &SheetSettings::COLD),
    ColourField("COLS1", &SheetSettings::COLS1),
    ColourField("COLS2", &SheetSettings::COLS2),
    TextField("SEND1", &SheetSettings::SEND1, TextForm::Verbatim, kDefaultSend1),
    TextField("SEND2", &SheetSettings::SEND2, TextForm::Verbatim, kDefaultSend2),
    TextField("LOGO", &SheetSettings::LOGO, TextForm::ProgramPath, kDefaultLogo),
    OptionalFlagField("TRUESIZE", &SheetSettings::TRUESIZE),
}};
inline constexpr std::size_t kFieldsBeforeSlotTexts = 19;

// The slots' sections: "<DEST" i ">" for slot i's address, and one "<ONOF>" of all 128 enabled flags.
constexpr const char* kDestTag = "DEST";
constexpr const char* kOnOffTag = "ONOF";
// The lengths' exact values: "<EXACT>wmm=21000 hmm=29700 ...</EXACT>", written only when one is not whole.
constexpr const char* kExactTag = "EXACT";

// The field with this key; the key must be one of the table's (checked when the program is compiled, where
// the lookup is a constant).
constexpr const SheetField& SheetFieldByKey(std::string_view key) {
    for (const SheetField& field : kSheetFields) {
        if (key == field.key)
            return field;
    }
    throw "no sheet field has this key";
}

// Sets every field to its default (a program path with the working folder in place of its placeholder).
void ApplyFieldDefaults(SheetSettings& settings);

bool SameFieldValues(const SheetSettings& a, const SheetSettings& b);

}  // namespace tagmora
