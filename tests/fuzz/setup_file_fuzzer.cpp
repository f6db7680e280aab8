// Feeds arbitrary bytes to the setup file reader as a whole file text, then writes the sheet back and reads
// that again, and stops at the first input that breaks what the rest of the program relies on:
// - after any read, the grid and paper are usable: COLS and ROWS at least 1, COLS x ROWS at most 128,
//   WMM and HMM above 0, every length and every exact length in its physical range; and the sheet lays out,
//   with every shown label's geometry, on a screen-sized and a 600-dpi page rectangle, classic and true to
//   size, without a sanitizer report;
// - the numbers and flags always survive a write and a read, because the writer puts every key line before
//   any text that could hold a look-alike (the enabled flags need not: a DEST text may hold an ONOF section);
// - a sheet whose texts hold none of the file's tags (nor the TRUESIZE key, which follows the texts)
//   survives a write and a read unchanged, exact lengths and true size included, so writing it again gives
//   the same text. Texts with tags are not expected to: the writer escapes nothing, so a tag
//   inside the FONT text can take over a later section, and repeated rounds may even keep growing it.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/exact_lengths.h"
#include "model/label_sheet.h"
#include "model/setup_file.h"
#include "model/working_folder.h"
#include "render/label_geometry.h"
#include "render/sheet_layout.h"
#include "render/true_size_layout.h"

namespace tagmora {
namespace {

void Require(bool condition) {
    if (!condition)
        __builtin_trap();
}

void RequireUsableGrid(const LabelSheet& sheet) {
    const SheetSettings& s = sheet.Settings();
    Require(s.COLS >= 1);
    Require(s.ROWS >= 1);
    Require(static_cast<long long>(s.COLS) * s.ROWS <= kSlotCount);
    Require(s.WMM > 0);
    Require(s.HMM > 0);
    Require(sheet.LabelCount() == s.COLS * s.ROWS);
    Require(s.WMM <= kMaxPaperMillimetres && s.HMM <= kMaxPaperMillimetres);
    for (const std::int32_t length : {s.COLSPC, s.ROWSPC, s.TOPMRG, s.LFTMRG, s.RGTMRG, s.BOTMRG})
        Require(length >= -kMaxOffsetMillimetres && length <= kMaxOffsetMillimetres);
    const ExactGeometry exact = CurrentExactGeometry(s);
    Require(exact.WMM > 0 && exact.WMM <= kMaxPaperMillimetres * kHundredthsPerMillimetre);
    Require(exact.HMM > 0 && exact.HMM <= kMaxPaperMillimetres * kHundredthsPerMillimetre);
    for (const std::int32_t length :
         {exact.COLSPC, exact.ROWSPC, exact.TOPMRG, exact.LFTMRG, exact.RGTMRG, exact.BOTMRG}) {
        Require(length >= -kMaxOffsetMillimetres * kHundredthsPerMillimetre &&
                length <= kMaxOffsetMillimetres * kHundredthsPerMillimetre);
    }
    // The preview of a small window and an A4 page at 600 dpi, as the print job lays it out, and the same
    // true to size.
    const DeviceRect page{0, 0, 4658, 6716};
    for (const SheetLayout& layout : {LayOutSheet(s, {0, 0, 402, 596}), LayOutSheet(s, page),
                                      LayOutTrueSize(s, ScreenPaperMapping(s, {0, 0, 402, 596})),
                                      LayOutTrueSize(s, PrinterPaperMapping(600, 600, 150, 150))}) {
        Require(layout.count == sheet.LabelCount());
        for (int i = 0; i < layout.count; ++i) {
            const SlotLayout& slot = layout.slots[static_cast<std::size_t>(i)];
            const LabelGeometry g = ComputeLabelGeometry(s, slot, 1.0f);
            // What drawing takes from them: the frame's inner rectangle, never larger than the label, and
            // the content inside the label's edges.
            const DeviceRect inner = slot.label.Shrunk(g.measures.borderWidth);
            Require(inner.Width() <= slot.label.Width() && inner.Height() <= slot.label.Height());
            Require(g.content.left >= slot.label.left && g.content.right <= slot.label.right);
        }
    }
}

bool IsSectionTagName(std::string_view name) {
    if (!name.empty() && name.front() == '/')
        name.remove_prefix(1);
    for (const char* tag :
         {"FONT", "COLDIV", "COLD", "COLS1", "COLS2", "SEND1", "SEND2", "LOGO", "ONOF", "EXACT"}) {
        if (name == tag)
            return true;
    }
    if (name.substr(0, 4) != "DEST" || name.size() == 4)
        return false;
    const std::string_view number = name.substr(4);
    for (const char c : number) {
        if (c < '0' || c > '9')
            return false;
    }
    // The writer numbers sections "%d": "DEST07" is no tag it writes or reads.
    return number.size() <= 3 && (number.size() == 1 || number.front() != '0') &&
           std::atoi(std::string(number).c_str()) < kSlotCount;
}

bool HoldsSectionTag(std::string_view text) {
    // The one key written after the texts: one inside a text is found first.
    if (text.find("TRUESIZE=") != std::string_view::npos)
        return true;
    for (std::size_t open = text.find('<'); open != std::string_view::npos; open = text.find('<', open + 1)) {
        const std::size_t close = text.find('>', open + 1);
        if (close == std::string_view::npos)
            return false;
        if (IsSectionTagName(text.substr(open + 1, close - open - 1)))
            return true;
    }
    return false;
}

// The texts exactly as the writer puts them between tags, holding a tag or the key written after them.
bool TextsHoldSectionTags(const LabelSheet& sheet) {
    const SheetSettings& s = sheet.Settings();
    if (HoldsSectionTag(s.FONT) || HoldsSectionTag(s.SEND1) || HoldsSectionTag(s.SEND2) ||
        HoldsSectionTag(CollapseWorkingFolder(s.LOGO))) {
        return true;
    }
    for (int i = 0; i < sheet.LabelCount(); ++i) {
        if (HoldsSectionTag(sheet.Slot(i).DEST))
            return true;
    }
    return false;
}

void RequireSameNumbers(const LabelSheet& a, const LabelSheet& b) {
    const SheetSettings& x = a.Settings();
    const SheetSettings& y = b.Settings();
    Require(x.YFLP == y.YFLP && x.BDON == y.BDON && x.SDON1 == y.SDON1 && x.SDON2 == y.SDON2 &&
            x.LGON == y.LGON && x.DLGM == y.DLGM);
    Require(x.DLGX == y.DLGX && x.DLGY == y.DLGY && x.WMM == y.WMM && x.HMM == y.HMM && x.COLS == y.COLS &&
            x.ROWS == y.ROWS && x.COLSPC == y.COLSPC && x.ROWSPC == y.ROWSPC && x.TOPMRG == y.TOPMRG &&
            x.LFTMRG == y.LFTMRG && x.RGTMRG == y.RGTMRG && x.BOTMRG == y.BOTMRG);
}

}  // namespace
}  // namespace tagmora

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    tagmora::SetWorkingFolder("C:\\Labels\\");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tagmora;
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    LabelSheet first;
    ReadSetupFile(input, first);
    RequireUsableGrid(first);

    const std::string written = WriteSetupFile(first);
    LabelSheet second;
    ReadSetupFile(written, second);
    RequireUsableGrid(second);
    RequireSameNumbers(first, second);

    if (!TextsHoldSectionTags(first)) {
        Require(second == first);
        Require(WriteSetupFile(second) == written);
    }
    return 0;
}
