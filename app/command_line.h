#pragma once
// The program's command line: an optional setup file path.

#include <string>

namespace tagmora {

// The path to load at the Main Window's first timer tick, or empty. Blanks around the text are dropped
// and so is one pair of surrounding quotation marks, because Explorer and shortcuts quote a path that
// holds spaces ("C:\My Labels\home.tgm") and a quoted name would never open.
std::string SetupPathFromCommandLine(const std::string& commandLine);

}  // namespace tagmora
