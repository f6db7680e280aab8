#pragma once
// Millimetres as text, the same in every locale: what printers.dat stores and what a person types.

#include <optional>
#include <string>
#include <string_view>

namespace tagmora {

// An optional sign, digits, and an optional "." or "," with more digits; surrounding spaces allowed.
// Anything else, or nothing, is no number.
std::optional<double> ParseMillimetres(std::string_view text);

// At most three decimals, without trailing zeros: 1.25, -0.5, 210.
std::string MillimetreText(double millimetres);

}  // namespace tagmora
