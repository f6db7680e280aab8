#pragma once
// The colour value of the sheet, the setup file and every drawing call.

#include <cstdint>

namespace tagmora {

// 0x00BBGGRR: red in the low byte, top byte 0.
using Colour = std::uint32_t;

}  // namespace tagmora
