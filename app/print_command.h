#pragma once
// "Tagmora.exe /p <setup file>": Explorer's "Print" on a setup file. The file's enabled labels go to the
// default printer with no dialog and no window, the log as after any print, and the process ends.

#include <string>

namespace tagmora {

// Shown when "/p" names no file.
constexpr const char* kPrintWhatMessage =
    "Nothing was printed: name the setup file to print after /p, for example\r"
    "Tagmora.exe /p \"C:\\Labels\\Christmas.tgm\"";

// Loads the setup file into a sheet of its own ("wm.dat" is neither read nor written) and prints it on the
// default printer; the log goes to PRINTED\ in the program's folder, as after a print from the program.
// Returns the process's exit code: 0 when the page was printed, 1 (after the message saying why) when not.
int PrintSetupFile(const std::string& path);

}  // namespace tagmora
