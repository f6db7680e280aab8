#include "model/sheet_fields.h"

#include "model/exact_lengths.h"
#include "model/working_folder.h"

namespace tagmora {

void ApplyFieldDefaults(SheetSettings& settings) {
    for (const SheetField& field : kSheetFields) {
        switch (field.kind) {
            case FieldKind::Flag:
                settings.*field.flag = field.defaultValue != 0;
                break;
            case FieldKind::Number:
                settings.*field.number = field.defaultValue;
                if (field.exact)
                    settings.*field.exact = field.defaultValue * kHundredthsPerMillimetre;
                break;
            case FieldKind::Colour:
                settings.*field.colour = static_cast<Colour>(field.defaultValue);
                break;
            case FieldKind::Text:
                settings.*field.text = field.textForm == TextForm::ProgramPath
                                           ? ExpandWorkingFolder(field.defaultText)
                                           : std::string(field.defaultText);
                break;
        }
    }
}

bool SameFieldValues(const SheetSettings& a, const SheetSettings& b) {
    for (const SheetField& field : kSheetFields) {
        const bool same = [&] {
            switch (field.kind) {
                case FieldKind::Flag:
                    return a.*field.flag == b.*field.flag;
                case FieldKind::Number:
                    // A stale exact value that no longer counts makes no difference.
                    return a.*field.number == b.*field.number &&
                           (!field.exact || ExactLength(a, field) == ExactLength(b, field));
                case FieldKind::Colour:
                    return a.*field.colour == b.*field.colour;
                case FieldKind::Text:
                    return a.*field.text == b.*field.text;
            }
            return false;
        }();
        if (!same)
            return false;
    }
    return true;
}

}  // namespace tagmora
