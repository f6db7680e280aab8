#include "model/setup_file.h"

#include <algorithm>
#include <array>

#include "model/exact_lengths.h"
#include "model/sheet_fields.h"
#include "model/text_value_codec.h"
#include "model/working_folder.h"

namespace tagmora {

namespace codec = text_value_codec;

namespace {

void AppendKey(std::string& out, const char* key, std::int32_t value) {
    out += key;
    out += '=';
    out += codec::IntegerToText(value);
    out += '\n';
}

void AppendFlag(std::string& out, const char* key, bool value) {
    AppendKey(out, key, value ? 1 : 0);
}

void AppendSection(std::string& out, const std::string& tag, const std::string& content) {
    out += '<';
    out += tag;
    out += '>';
    out += content;
    out += "</";
    out += tag;
    out += ">\n";
}

std::string DestTag(int index) {
    return kDestTag + codec::IntegerToText(index);
}

std::string OpeningTag(std::string_view tag) {
    return "<" + std::string(tag) + ">";
}

std::string Section(std::string_view text, std::string_view tag) {
    return codec::ExtractSection(text, OpeningTag(tag), "</" + std::string(tag) + ">");
}

std::string KeyText(const SheetField& field) {
    return std::string(field.key) + "=";
}

bool IsKeyLine(const SheetField& field) {
    return field.kind == FieldKind::Flag || field.kind == FieldKind::Number;
}

void WriteField(std::string& out, const SheetSettings& s, const SheetField& field) {
    switch (field.kind) {
        case FieldKind::Flag:
            AppendFlag(out, field.key, s.*field.flag);
            break;
        case FieldKind::Number:
            AppendKey(out, field.key, s.*field.number);
            break;
        case FieldKind::Colour:
            AppendSection(out, field.key, codec::ColourToText(s.*field.colour));
            break;
        case FieldKind::Text:
            AppendSection(out, field.key,
                          field.textForm == TextForm::ProgramPath ? CollapseWorkingFolder(s.*field.text)
                                                                  : s.*field.text);
            break;
    }
}

void ReadField(std::string_view text, SheetSettings& s, const SheetField& field) {
    switch (field.kind) {
        case FieldKind::Flag:
            s.*field.flag = codec::ReadFlagByKey(text, KeyText(field), field.defaultValue != 0).value;
            break;
        case FieldKind::Number:
            s.*field.number = codec::ReadIntegerByKey(text, KeyText(field), field.defaultValue).value;
            break;
        case FieldKind::Colour:
            s.*field.colour = codec::HexTextToColour(Section(text, field.key));
            break;
        case FieldKind::Text: {
            const std::string section = Section(text, field.key);
            switch (field.textForm) {
                case TextForm::Verbatim:
                    s.*field.text = section;
                    break;
                case TextForm::Trimmed:
                    s.*field.text = codec::Trim(section);
                    break;
                case TextForm::ProgramPath:
                    s.*field.text = ExpandWorkingFolder(codec::Trim(section));
                    break;
            }
            break;
        }
    }
}

// "wmm=21000 hmm=29700 colspc=250 ...": every length's exact value in the table's order.
std::string ExactSectionText(const SheetSettings& s) {
    std::string text;
    for (const SheetField& field : kSheetFields) {
        if (!field.exact)
            continue;
        if (!text.empty())
            text += ' ';
        text += field.exactName;
        text += '=';
        text += codec::IntegerToText(ExactLength(s, field));
    }
    return text;
}

// A value as the writer writes it: an optional minus and one to nine digits, nothing else.
bool ReadExactValue(std::string_view text, std::int32_t& value) {
    std::size_t at = text.size() > 0 && text[0] == '-' ? 1 : 0;
    const std::size_t digits = text.size() - at;
    if (digits < 1 || digits > 9)
        return false;
    std::int32_t magnitude = 0;
    for (; at < text.size(); ++at) {
        if (text[at] < '0' || text[at] > '9')
            return false;
        magnitude = magnitude * 10 + (text[at] - '0');
    }
    value = text[0] == '-' ? -magnitude : magnitude;
    return true;
}

// Every length's exact value from the EXACT section, or its whole field's where the section has none that
// can be read (a missing section, name or value, or a value that is not a number). Names and values are
// separated by white space, so that a file edited to CR LF lines still reads; the first of a name counts.
void ReadExactLengths(std::string_view text, SheetSettings& s) {
    for (const SheetField& field : kSheetFields) {
        if (field.exact)
            SetWholeLength(s, field, s.*field.number);
    }
    const std::string section = Section(text, kExactTag);
    std::array<bool, kSheetFields.size()> seen{};
    std::size_t at = 0;
    while (at < section.size()) {
        const std::size_t end = section.find_first_of(" \t\r\n\v\f", at);
        const std::string_view token =
            std::string_view(section).substr(at, end == std::string::npos ? std::string::npos : end - at);
        at = end == std::string::npos ? section.size() : end + 1;
        const std::size_t equals = token.find('=');
        if (equals == std::string_view::npos)
            continue;
        for (std::size_t i = 0; i < kSheetFields.size(); ++i) {
            const SheetField& field = kSheetFields[i];
            std::int32_t value = 0;
            if (field.exact && !seen[i] && token.substr(0, equals) == field.exactName) {
                seen[i] = true;
                if (ReadExactValue(token.substr(equals + 1), value))
                    s.*field.exact = value;
            }
        }
    }
}

// An opening "<DEST" i ">" tag for a slot number i.
bool HoldsSlotTag(std::string_view text) {
    const std::string opening = "<" + std::string(kDestTag);
    for (std::size_t at = text.find(opening); at != std::string_view::npos; at = text.find(opening, at + 1)) {
        std::size_t end = at + opening.size();
        int slot = 0;
        std::size_t digits = 0;
        while (end < text.size() && digits < 3 && text[end] >= '0' && text[end] <= '9') {
            slot = slot * 10 + (text[end] - '0');
            ++end;
            ++digits;
        }
        if (digits > 0 && slot < kSlotCount && end < text.size() && text[end] == '>' &&
            text.substr(at, end + 1 - at) == OpeningTag(DestTag(slot))) {
            return true;
        }
    }
    return false;
}

// The header line that starts every file the program writes, ended by CR, LF or the end of the text.
bool StartsWithSetupFileHeader(std::string_view text) {
    const std::string_view header = kSetupFileHeaderLine;
    return text.substr(0, header.size()) == header &&
           (text.size() == header.size() || text[header.size()] == '\r' || text[header.size()] == '\n');
}

}  // namespace

std::string WriteSetupFile(const LabelSheet& sheet) {
    const SheetSettings& s = sheet.Settings();
    std::string out = kSetupFileHeader;
    for (std::size_t i = 0; i < kFieldsBeforeSlotTexts; ++i)
        WriteField(out, s, kSheetFields[i]);
    for (int i = 0; i < sheet.LabelCount(); ++i)
        AppendSection(out, DestTag(i), sheet.Slot(i).DEST);
    for (std::size_t i = kFieldsBeforeSlotTexts; i < kSheetFields.size(); ++i) {
        if (!kSheetFields[i].onlyWhenSet)
            WriteField(out, s, kSheetFields[i]);
    }
    std::string flags(kSlotCount, '0');
    for (int i = 0; i < kSlotCount; ++i) {
        if (sheet.Slot(i).enabled)
            flags[static_cast<std::size_t>(i)] = '1';
    }
    AppendSection(out, kOnOffTag, flags);
    // What a sheet of whole millimetres without the newer switches does not need is not written at all:
    // its file stays as it always was.
    for (const SheetField& field : kSheetFields) {
        if (field.onlyWhenSet && (s.*field.flag ? 1 : 0) != field.defaultValue)
            WriteField(out, s, field);
    }
    if (HasFractionalLength(s))
        AppendSection(out, kExactTag, ExactSectionText(s));
    return out;
}

bool LooksLikeSetupFile(std::string_view text) {
    if (StartsWithSetupFileHeader(text))
        return true;
    for (const SheetField& field : kSheetFields) {
        const std::string marker = IsKeyLine(field) ? KeyText(field) : OpeningTag(field.key);
        if (text.find(marker) != std::string_view::npos)
            return true;
    }
    return text.find(OpeningTag(kOnOffTag)) != std::string_view::npos ||
           text.find(OpeningTag(kExactTag)) != std::string_view::npos || HoldsSlotTag(text);
}

void KeepGridUsable(SheetSettings& s) {
    const SheetSettings defaults;
    if (s.COLS < 1)
        s.COLS = 1;
    if (s.ROWS < 1)
        s.ROWS = 1;
    if (s.COLS > kSlotCount)
        s.COLS = kSlotCount;
    if (static_cast<long long>(s.COLS) * s.ROWS > kSlotCount)
        s.ROWS = kSlotCount / s.COLS;
    if (s.WMM <= 0)
        s.WMM = defaults.WMM;
    if (s.HMM <= 0)
        s.HMM = defaults.HMM;
    s.WMM = std::min(s.WMM, kMaxPaperMillimetres);
    s.HMM = std::min(s.HMM, kMaxPaperMillimetres);
    for (std::int32_t* length : {&s.COLSPC, &s.ROWSPC, &s.TOPMRG, &s.LFTMRG, &s.RGTMRG, &s.BOTMRG})
        *length = std::clamp(*length, -kMaxOffsetMillimetres, kMaxOffsetMillimetres);
    // The exact values within the same ranges (a paper above 0), else their whole fields'.
    for (const SheetField& field : kSheetFields) {
        if (!field.exact)
            continue;
        const bool paper = field.number == &SheetSettings::WMM || field.number == &SheetSettings::HMM;
        const std::int32_t exact = ExactLength(s, field);
        const bool usable = paper ? exact > 0 && exact <= kMaxPaperMillimetres * kHundredthsPerMillimetre
                                  : exact >= -kMaxOffsetMillimetres * kHundredthsPerMillimetre &&
                                        exact <= kMaxOffsetMillimetres * kHundredthsPerMillimetre;
        s.*field.exact = usable ? exact : s.*field.number * kHundredthsPerMillimetre;
    }
}

void ReadSetupFile(std::string_view text, LabelSheet& sheet) {
    SheetSettings& s = sheet.MutableSettings();
    for (const SheetField& field : kSheetFields)
        ReadField(text, s, field);
    ReadExactLengths(text, s);
    KeepGridUsable(s);

    // A damaged or foreign file may hold fewer than 128 flags: the missing ones read as off.
    const std::string flags = Section(text, kOnOffTag);
    for (int i = 0; i < kSlotCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        sheet.Slot(i).enabled = at < flags.size() && flags[at] == '1';
    }

    // The number of addresses read follows the grid just read.
    const int count = sheet.LabelCount();
    for (int i = 0; i < count; ++i)
        sheet.Slot(i).DEST = codec::Trim(Section(text, DestTag(i)));
    for (int i = count; i < kSlotCount; ++i)
        sheet.Slot(i).DEST = kDefaultDest;
}

}  // namespace tagmora
