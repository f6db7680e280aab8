#include "model/text_value_codec.h"

#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>

#include "model/variant_time.h"

namespace tagmora::text_value_codec {

namespace {

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

}  // namespace

std::int32_t LeadingInteger(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulate as a negative magnitude so that INT32_MIN needs no special case; saturate beyond the limits
    // rather than wrap, so a damaged number stays at the edge of the range instead of changing sign.
    std::int64_t magnitude = 0;
    constexpr std::int64_t kLimit = static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max()) + 1;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > kLimit)
            magnitude = kLimit;
    }
    if (negative)
        return static_cast<std::int32_t>(-magnitude);
    return magnitude >= kLimit ? std::numeric_limits<std::int32_t>::max()
                               : static_cast<std::int32_t>(magnitude);
}

FoundInteger ReadIntegerByKey(std::string_view text, std::string_view key, std::int32_t fallback) {
    const auto keyAt = text.find(key);
    if (key.empty() || keyAt == std::string_view::npos)
        return {false, fallback};
    const auto valueStart = keyAt + key.size();
    auto valueEnd = text.find(',', valueStart);
    if (valueEnd == std::string_view::npos)
        valueEnd = text.find('\n', valueStart);
    if (valueEnd == std::string_view::npos)
        return {true, 0};
    return {true, LeadingInteger(text.substr(valueStart, valueEnd - valueStart))};
}

FoundFlag ReadFlagByKey(std::string_view text, std::string_view key, bool fallback) {
    const auto read = ReadIntegerByKey(text, key, fallback ? 1 : 0);
    return {read.found, read.value != 0};
}

std::string ExtractSection(std::string_view text, std::string_view openingTag, std::string_view closingTag) {
    const auto openAt = text.find(openingTag);
    if (openAt == std::string_view::npos)
        return {};
    const auto contentStart = openAt + openingTag.size();
    const auto closeAt = text.find(closingTag, contentStart);
    if (closeAt == std::string_view::npos)
        return {};
    return std::string(text.substr(contentStart, closeAt - contentStart));
}

std::string IntegerToText(std::int32_t value) {
    return std::to_string(value);
}

std::string ColourToText(Colour colour) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%08X", static_cast<unsigned>(colour));
    return buffer;
}

Colour HexTextToColour(std::string_view text) {
    // Digits are placed from the right, so "0000FF" is 255. Only the last eight digits fit a colour; any
    // character that is not an upper-case hex digit counts as 0, and lower-case letters are read as their
    // upper-case twins because a hand-edited file may hold them.
    Colour value = 0;
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t shift = 4 * (n - i - 1);
        if (shift >= 32)
            continue;
        const char c = text[i];
        Colour digit = 0;
        if (c >= '0' && c <= '9') {
            digit = static_cast<Colour>(c - '0');
        } else if (c >= 'A' && c <= 'F') {
            digit = static_cast<Colour>(c - 'A' + 10);
        } else if (c >= 'a' && c <= 'f') {
            digit = static_cast<Colour>(c - 'a' + 10);
        }
        value |= digit << shift;
    }
    return value;
}

double TextToReal(std::string_view text) {
    // Only the leading decimal number goes to strtod, which would also read "inf", "nan" and hexadecimal
    // numbers: a version file holding "0x4" or "infinity" holds no number.
    const auto isDigit = [&](std::size_t i) { return i < text.size() && text[i] >= '0' && text[i] <= '9'; };
    std::size_t i = 0;
    while (i < text.size() && IsSpace(text[i]))
        ++i;
    const std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    for (; isDigit(i); ++i)
        ++digits;
    if (i < text.size() && text[i] == '.') {
        for (++i; isDigit(i); ++i)
            ++digits;
    }
    if (digits == 0)
        return 0.0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t exponent = i + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        if (isDigit(exponent)) {
            while (isDigit(exponent))
                ++exponent;
            i = exponent;
        }
    }
    const std::string number(text.substr(start, i - start));  // strtod needs a terminated string
    return std::strtod(number.c_str(), nullptr);
}

std::string DateText(double pointInTime, bool invalid) {
    int day = -1, month = -1, year = -1;
    if (!invalid) {
        if (const auto calendar = VariantTimeToCalendar(pointInTime)) {
            day = calendar->day;
            month = calendar->month;
            year = calendar->year;
        }
    }
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%d-%d-%d", day, month, year);
    return buffer;
}

std::string TimeText(double pointInTime, bool invalid) {
    int hour = -1, minute = -1, second = -1;
    if (!invalid) {
        if (const auto calendar = VariantTimeToCalendar(pointInTime)) {
            hour = calendar->hour;
            minute = calendar->minute;
            second = calendar->second;
        }
    }
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%02d-%02d-%02d", hour, minute, second);
    return buffer;
}

std::string Trim(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsSpace(text[begin]))
        ++begin;
    while (end > begin && IsSpace(text[end - 1]))
        --end;
    return std::string(text.substr(begin, end - begin));
}

}  // namespace tagmora::text_value_codec
