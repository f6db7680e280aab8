#include "dialogs/auto_format.h"

#include <vector>

#include "model/text_helpers.h"

namespace tagmora {

namespace {

bool IsDelimiter(char c) {
    return c == ' ' || c == '\r' || c == '\n' || c == ',' || c == '\0';
}
bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsAsciiLower(char c) {
    return c >= 'a' && c <= 'z';
}
bool IsAsciiLetter(char c) {
    return IsAsciiLower(c) || (c >= 'A' && c <= 'Z');
}

// Every token ends with the delimiter that closed it; the last one may end without.
std::vector<std::string> SplitTokens(const std::string& text) {
    std::vector<std::string> tokens;
    std::string current;
    for (char c : text) {
        current += c;
        if (IsDelimiter(c))
            tokens.push_back(std::move(current)), current.clear();
    }
    if (!current.empty())
        tokens.push_back(std::move(current));
    return tokens;
}

std::string FormatToken(std::string token, const TokenUpperCaser& upperCase) {
    bool hasDigit = false;
    bool hasLetter = false;
    for (char c : token) {
        hasDigit = hasDigit || IsAsciiDigit(c);
        hasLetter = hasLetter || IsAsciiLetter(c);
    }
    if (hasDigit && hasLetter) {
        upperCase(token);  // post codes, flat numbers, ordinals: AB1 2CD, 3B, 1ST
    } else if (!token.empty() && IsAsciiLower(token[0])) {
        token[0] = static_cast<char>(token[0] - 'a' + 'A');  // capitalise, never lower-case the rest
    }
    std::string result;
    result.reserve(token.size() + 1);
    bool leading = true;
    for (char c : token) {
        if (leading && c == ' ')
            continue;
        leading = false;
        if (c == ',') {
            result += "\r\n";
        } else {
            result += c;
        }
    }
    return result;
}

// One left-to-right pass: each "\r\n\r\n" becomes "\r\n" and the search resumes after it, so a run of m line
// breaks keeps m - m / 2.
std::string HalveDoubledLineBreaks(const std::string& text) {
    static const std::string doubled = "\r\n\r\n";
    std::string result;
    result.reserve(text.size());
    std::size_t start = 0;
    for (;;) {
        const auto found = text.find(doubled, start);
        if (found == std::string::npos)
            break;
        result.append(text, start, found - start);
        result += "\r\n";
        start = found + doubled.size();
    }
    result.append(text, start, std::string::npos);
    return result;
}

}  // namespace

void UpperCaseAscii(std::string& token) {
    for (char& c : token) {
        if (IsAsciiLower(c))
            c = static_cast<char>(c - 'a' + 'A');
    }
}

std::string AutoFormat(const std::string& text, const TokenUpperCaser& upperCase) {
    std::string formatted;
    formatted.reserve(text.size() + 16);
    for (auto& token : SplitTokens(text))
        formatted += FormatToken(std::move(token), upperCase);
    formatted = HalveDoubledLineBreaks(formatted);
    while (!formatted.empty() && (formatted.back() == '\r' || formatted.back() == '\n'))
        formatted.pop_back();
    return formatted;
}

std::string HalveAmpersands(const std::string& stored) {
    return ReplaceAll(stored, "&&", "&");
}

std::string DoubleAmpersands(const std::string& shown) {
    return ReplaceAll(shown, "&", "&&");
}

}  // namespace tagmora
