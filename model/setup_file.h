#pragma once
// The label sheet as setup file text (".tgm" files and "wm.dat"), and back.

#include <string>
#include <string_view>

#include "model/label_sheet.h"

namespace tagmora {

constexpr const char* kSetupFileHeaderLine = "[TAGMORA PRO SETUP FILE]";
constexpr const char* kSetupFileHeader = "[TAGMORA PRO SETUP FILE]\r\n";

std::string WriteSetupFile(const LabelSheet& sheet);

// What tells a setup file from a file of another kind, which would read as an empty sheet: it begins with
// the header, or it holds at least one key ("COLS=") or opening tag ("<FONT>", "<DEST7>") as the reader
// finds them. People write setup files by hand, without the header or under another program's.
bool LooksLikeSetupFile(std::string_view text);

// Sets the sheet's fields from the whole file text. Missing or malformed values fall back to fixed values;
// nothing is ever reported. The logo aspect is left alone.
void ReadSetupFile(std::string_view text, LabelSheet& sheet);

// The physical range of the lengths read from a file: paper up to ten metres a side, margins and gaps up
// to ten metres either way. Far past any real sheet, and far from the int32 limits near which the widths
// and sizes on a page overflowed.
constexpr std::int32_t kMaxPaperMillimetres = 10000;
constexpr std::int32_t kMaxOffsetMillimetres = 10000;

// Brings numbers that nothing downstream can work with back into a usable range: COLS and ROWS at least 1,
// COLS x ROWS at most the slot count (ROWS gives way), WMM and HMM above 0 (else their defaults) and
// lengths into their physical range. Values that still work are kept as they are.
void KeepGridUsable(SheetSettings& settings);

}  // namespace tagmora
