#include "model/setup_file.h"

#include <algorithm>

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
    return "DEST" + codec::IntegerToText(index);
}

std::string Section(std::string_view text, const std::string& tag) {
    return codec::ExtractSection(text, "<" + tag + ">", "</" + tag + ">");
}

}  // namespace

std::string WriteSetupFile(const LabelSheet& sheet) {
    const SheetSettings& s = sheet.Settings();
    std::string out = kSetupFileHeader;
    AppendFlag(out, "YFLP", s.YFLP);
    AppendFlag(out, "BDON", s.BDON);
    AppendFlag(out, "SDON1", s.SDON1);
    AppendFlag(out, "SDON2", s.SDON2);
    AppendFlag(out, "LGON", s.LGON);
    AppendFlag(out, "DLGM", s.DLGM);
    AppendKey(out, "DLGX", s.DLGX);
    AppendKey(out, "DLGY", s.DLGY);
    AppendKey(out, "WMM", s.WMM);
    AppendKey(out, "HMM", s.HMM);
    AppendKey(out, "COLS", s.COLS);
    AppendKey(out, "ROWS", s.ROWS);
    AppendKey(out, "COLSPC", s.COLSPC);
    AppendKey(out, "ROWSPC", s.ROWSPC);
    AppendKey(out, "TOPMRG", s.TOPMRG);
    AppendKey(out, "LFTMRG", s.LFTMRG);
    AppendKey(out, "RGTMRG", s.RGTMRG);
    AppendKey(out, "BOTMRG", s.BOTMRG);
    AppendSection(out, "FONT", s.FONT);
    for (int i = 0; i < sheet.LabelCount(); ++i)
        AppendSection(out, DestTag(i), sheet.Slot(i).DEST);
    AppendSection(out, "COLDIV", codec::ColourToText(s.COLDIV));
    AppendSection(out, "COLD", codec::ColourToText(s.COLD));
    AppendSection(out, "COLS1", codec::ColourToText(s.COLS1));
    AppendSection(out, "COLS2", codec::ColourToText(s.COLS2));
    AppendSection(out, "SEND1", s.SEND1);
    AppendSection(out, "SEND2", s.SEND2);
    AppendSection(out, "LOGO", CollapseWorkingFolder(s.LOGO));
    std::string flags(kSlotCount, '0');
    for (int i = 0; i < kSlotCount; ++i) {
        if (sheet.Slot(i).enabled)
            flags[static_cast<std::size_t>(i)] = '1';
    }
    AppendSection(out, "ONOF", flags);
    return out;
}

bool StartsWithSetupFileHeader(std::string_view text) {
    const std::string_view header = kSetupFileHeaderLine;
    return text.substr(0, header.size()) == header &&
           (text.size() == header.size() || text[header.size()] == '\r' || text[header.size()] == '\n');
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
    const SheetSettings defaults;

    s.BDON = codec::ReadFlagByKey(text, "BDON=", defaults.BDON).value;
    s.SDON1 = codec::ReadFlagByKey(text, "SDON1=", defaults.SDON1).value;
    s.SDON2 = codec::ReadFlagByKey(text, "SDON2=", defaults.SDON2).value;
    s.LGON = codec::ReadFlagByKey(text, "LGON=", defaults.LGON).value;
    s.YFLP = codec::ReadFlagByKey(text, "YFLP=", defaults.YFLP).value;
    s.DLGM = codec::ReadFlagByKey(text, "DLGM=", defaults.DLGM).value;

    s.DLGX = codec::ReadIntegerByKey(text, "DLGX=", defaults.DLGX).value;
    s.DLGY = codec::ReadIntegerByKey(text, "DLGY=", defaults.DLGY).value;
    s.WMM = codec::ReadIntegerByKey(text, "WMM=", defaults.WMM).value;
    s.HMM = codec::ReadIntegerByKey(text, "HMM=", defaults.HMM).value;
    s.COLS = codec::ReadIntegerByKey(text, "COLS=", defaults.COLS).value;
    s.ROWS = codec::ReadIntegerByKey(text, "ROWS=", defaults.ROWS).value;
    s.COLSPC = codec::ReadIntegerByKey(text, "COLSPC=", defaults.COLSPC).value;
    s.ROWSPC = codec::ReadIntegerByKey(text, "ROWSPC=", defaults.ROWSPC).value;
    s.TOPMRG = codec::ReadIntegerByKey(text, "TOPMRG=", defaults.TOPMRG).value;
    s.LFTMRG = codec::ReadIntegerByKey(text, "LFTMRG=", defaults.LFTMRG).value;
    s.RGTMRG = codec::ReadIntegerByKey(text, "RGTMRG=", defaults.RGTMRG).value;
    s.BOTMRG = codec::ReadIntegerByKey(text, "BOTMRG=", defaults.BOTMRG).value;
    KeepGridUsable(s);

    // A damaged or foreign file may hold fewer than 128 flags: the missing ones read as off.
    const std::string flags = Section(text, "ONOF");
    for (int i = 0; i < kSlotCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        sheet.Slot(i).enabled = at < flags.size() && flags[at] == '1';
    }

    const int count = sheet.LabelCount();
    for (int i = 0; i < count; ++i)
        sheet.Slot(i).DEST = codec::Trim(Section(text, DestTag(i)));
    for (int i = count; i < kSlotCount; ++i)
        sheet.Slot(i).DEST = kDefaultDest;

    s.COLDIV = codec::HexTextToColour(Section(text, "COLDIV"));
    s.COLD = codec::HexTextToColour(Section(text, "COLD"));
    s.COLS1 = codec::HexTextToColour(Section(text, "COLS1"));
    s.COLS2 = codec::HexTextToColour(Section(text, "COLS2"));

    s.SEND1 = Section(text, "SEND1");
    s.SEND2 = Section(text, "SEND2");
    s.LOGO = ExpandWorkingFolder(codec::Trim(Section(text, "LOGO")));
    s.FONT = codec::Trim(Section(text, "FONT"));
}

}  // namespace tagmora
