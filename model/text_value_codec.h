#pragma once
// Stateless conversions between values and the program's text formats: KEY=value numbers and
// tagged sections inside a larger text, and integers, colours, reals, dates and times as text.

#include <cstdint>
#include <string>
#include <string_view>

#include "model/colour.h"

namespace tagmora::text_value_codec {

struct FoundInteger {
    bool found;
    std::int32_t value;
};

struct FoundFlag {
    bool found;
    bool value;
};

// The value runs from just after the first occurrence of the key to the first comma anywhere after it,
// or else to the first line feed; its leading decimal number counts (0 when it has no digits).
FoundInteger ReadIntegerByKey(std::string_view text, std::string_view key, std::int32_t fallback);
FoundFlag ReadFlagByKey(std::string_view text, std::string_view key, bool fallback);

// The text between the first opening tag and the first closing tag after it; empty when either is missing.
std::string ExtractSection(std::string_view text, std::string_view openingTag, std::string_view closingTag);

// Leading white space, an optional sign and decimal digits; saturates at the int32 limits.
std::int32_t LeadingInteger(std::string_view text);

std::string IntegerToText(std::int32_t value);
std::string ColourToText(Colour colour);
Colour HexTextToColour(std::string_view text);
double TextToReal(std::string_view text);

// A point in time is an OLE automation date: days since 30 December 1899, the fraction the time of day.
std::string DateText(double pointInTime, bool invalid);
std::string TimeText(double pointInTime, bool invalid);

// Leading and trailing space, tab, CR, LF, vertical tab and form feed removed.
std::string Trim(std::string_view text);

}  // namespace tagmora::text_value_codec
