#pragma once
// Moving the label sheet to and from disk as a setup file. The preview control adds the layout and the
// repaint that follow a load.

#include <string>

#include "model/label_sheet.h"

namespace tagmora {

constexpr const char* kStateFileName = "wm.dat";
constexpr const char* kSetupFileExtension = ".tgm";

// What a load did to the sheet.
enum class SheetLoad {
    Read,      // the file was read into the sheet
    Defaults,  // the path could not be opened: the sheet holds the defaults, and nothing was said
};

// Reads the setup file into the sheet; a path that cannot be opened gives the defaults, silently.
// A file that exists but cannot be read shows the read message and is read as an empty text.
SheetLoad LoadSheetFromPath(LabelSheet& sheet, const std::string& path);

// Writes the sheet as a setup file; false (after the write message) when the file could not be written.
bool SaveSheetToPath(const LabelSheet& sheet, const std::string& path);

// The name a chosen setup file is saved under: ".tgm" appended unless the name holds it anywhere.
std::string SetupFileNameWithExtension(const std::string& chosenPath);

}  // namespace tagmora
