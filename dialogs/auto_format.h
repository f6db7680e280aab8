#pragma once
// "Auto Format" of the address editor: capitals, a line break for every comma, tidy spacing, and the
// doubling of ampersands between what the user types and what a label stores.

#include <functional>
#include <string>

namespace tagmora {

// Upper-cases a whole token in place. The editor passes the platform's upper-casing of the active code page;
// the default covers a to z only.
using TokenUpperCaser = std::function<void(std::string&)>;

void UpperCaseAscii(std::string& token);

// Splits the text after every space, CR, LF, comma and NUL; upper-cases a token holding both a digit and a
// letter, else capitalises its first letter; turns every comma into CR LF; drops leading spaces; halves
// every run of doubled line breaks once; removes trailing line breaks. Every token of a long address is
// formatted: none is dropped for lack of room.
std::string AutoFormat(const std::string& text, const TokenUpperCaser& upperCase = UpperCaseAscii);

// "&&" shown to the user as "&", and back.
std::string HalveAmpersands(const std::string& stored);
std::string DoubleAmpersands(const std::string& shown);

}  // namespace tagmora
