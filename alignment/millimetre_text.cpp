#include "alignment/millimetre_text.h"

#include <charconv>
#include <cmath>

namespace tagmora {

std::optional<double> ParseMillimetres(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    std::string plain;
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    bool digits = false, separator = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            digits = true;
            plain += c;
        } else if ((c == '.' || c == ',') && !separator) {
            separator = true;
            plain += '.';
        } else {
            return std::nullopt;
        }
    }
    // Sixteen digits already say more than any length on a page can mean.
    if (!digits || plain.size() > 24)
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size())
        return std::nullopt;
    return negative ? -value : value;
}

std::string MillimetreText(double millimetres) {
    if (!std::isfinite(millimetres))
        return "0";
    // Rounded first, so that -0.0004 is written as 0, not -0.
    double rounded = std::round(millimetres * 1000) / 1000;
    if (rounded == 0)
        rounded = 0;
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::fixed, 3);
    if (error != std::errc())
        return "0";
    std::string text(buffer, end);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text;
}

}  // namespace tagmora
