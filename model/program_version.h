#pragma once
// The program version, from its one place in the build (the project's version in CMakeLists.txt).

#include "version_config.h"

namespace tagmora {

// Held in single precision on purpose: the program has always carried its version as a float (3.32 is
// then 3.3199999332...), and every place that shows it formats it with "%.02f", which reads "3.32". The
// version check compares a fetched number against a threshold of the same precision.
constexpr double kProgramVersion = static_cast<float>(TAGMORA_VERSION_NUMBER);
constexpr const char* kProgramVersionFormat = "%.02f";

}  // namespace tagmora
