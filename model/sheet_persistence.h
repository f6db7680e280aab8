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
    Defaults,  // the path leads to no file: the sheet holds the defaults, and nothing was said
    Refused,   // the file exists but was not read (unreadable, no ordinary file, over 64 MiB, or not a setup
               // file): the sheet is as it was, and a message named the file and said why
};

// Reads the setup file into the sheet.
SheetLoad LoadSheetFromPath(LabelSheet& sheet, const std::string& path);

// What the start-up load of "wm.dat" did.
struct StateFileLoad {
    SheetLoad outcome;
    // False when a refused file could not be set aside: the save at exit must not replace it.
    bool saveAtExit;
};

// Loads "wm.dat" into a sheet that holds the defaults. A refused file is renamed first to a free name
// "wm.dat.bad", "wm.dat.bad2", ... beside it, so that the save at exit cannot destroy it; one message
// says what was wrong with it and where it went.
StateFileLoad LoadStateFile(LabelSheet& sheet, const std::string& path);

// Writes the sheet as a setup file; false (after the write message) when the file could not be written.
bool SaveSheetToPath(const LabelSheet& sheet, const std::string& path);

// The name a chosen setup file is saved under: ".tgm" appended unless the name holds it anywhere.
std::string SetupFileNameWithExtension(const std::string& chosenPath);

}  // namespace tagmora
