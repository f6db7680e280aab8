#pragma once

#include <string>

namespace tagmora {

// The full path of the program's executable (GetModuleFileNameA, 260-character buffer).
std::string ExecutablePath();

// The working folder derived from the executable path: the program's own folder with a trailing backslash.
std::string ProgramFolder();

}  // namespace tagmora
