#pragma once
// The program version. It was always a single-precision 3.32 (3.3199999332...), and every place that
// shows it formats it with "%.02f", which reads "3.32".

namespace tagmora {

constexpr double kProgramVersion = 3.32f;
constexpr const char* kProgramVersionFormat = "%.02f";

}  // namespace tagmora
