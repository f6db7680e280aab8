#include "model/setup_file.h"

#include <algorithm>

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
    for (std::size_t i = kFieldsBeforeSlotTexts; i < kSheetFields.size(); ++i)
        WriteField(out, s, kSheetFields[i]);
    std::string flags(kSlotCount, '0');
    for (int i = 0; i < kSlotCount; ++i) {
        if (sheet.Slot(i).enabled)
            flags[static_cast<std::size_t>(i)] = '1';
    }
    AppendSection(out, kOnOffTag, flags);
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
    return text.find(OpeningTag(kOnOffTag)) != std::string_view::npos || HoldsSlotTag(text);
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
}

void ReadSetupFile(std::string_view text, LabelSheet& sheet) {
    SheetSettings& s = sheet.MutableSettings();
    for (const SheetField& field : kSheetFields)
        ReadField(text, s, field);
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
