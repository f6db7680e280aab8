#include "catalogue/product_search.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace tagmora {

namespace {

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsAlnum(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::string LettersAndDigits(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (IsAlnum(c))
            out += LowerAscii(c);
    }
    return out;
}

// A maker's prefix is a few letters ("L", "SL", "WL"); a longer run of letters is a word, such as the
// maker typed before the part number, and stays.
constexpr std::size_t kMaxPrefixLetters = 3;

std::string WithoutLeadingLetters(const std::string& key) {
    std::size_t start = 0;
    while (start < key.size() && !IsDigit(key[start]))
        ++start;
    return start < key.size() && start <= kMaxPrefixLetters ? key.substr(start) : key;
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.rfind(prefix, 0) == 0;
}

// How well a typed part number fits the product's; 0 for not at all. Closer lengths rank a prefix
// higher, so "L71" puts L7160 before L71601.
int PartScore(const std::string& part, const std::string& partNumber, const std::string& typed) {
    if (typed.empty())
        return 0;
    if (part == typed)
        return 1000;
    if (partNumber == typed || partNumber == WithoutLeadingLetters(typed))
        return 950;
    const int lengthPenalty =
        static_cast<int>(std::min<std::size_t>(part.size() - std::min(part.size(), typed.size()), 50));
    if (StartsWith(part, typed))
        return 800 - lengthPenalty;
    if (StartsWith(partNumber, typed))
        return 750 - lengthPenalty;
    if (part.find(typed) != std::string::npos)
        return 500 - lengthPenalty;
    return 0;
}

// "63.5 x 38.1", "63,5x38,1", "63.5 X 38.1 mm": a label size in millimetres.
bool ReadSize(std::string_view query, double& width, double& height) {
    std::string text;
    for (const char c : query) {
        const char lower = LowerAscii(c);
        if (lower != ' ' && lower != '\t')
            text += lower == ',' ? '.' : lower;
    }
    if (text.size() >= 2 && text.compare(text.size() - 2, 2, "mm") == 0)
        text.resize(text.size() - 2);
    std::size_t cross = text.find_first_of("x*");
    if (cross == std::string::npos) {
        cross = text.find("\xC3\x97");  // the multiplication sign in UTF-8
        if (cross == std::string::npos)
            return false;
        text.replace(cross, 2, "x");
    }
    const auto number = [](const std::string& part, double& value) {
        if (part.empty() || part.size() > 12 || !IsDigit(part.front()) || !IsDigit(part.back()))
            return false;
        int points = 0;
        for (const char c : part) {
            if (c == '.')
                ++points;
            else if (!IsDigit(c))
                return false;
        }
        value = std::strtod(part.c_str(), nullptr);
        return points <= 1;
    };
    return number(text.substr(0, cross), width) && number(text.substr(cross + 1), height);
}

std::vector<std::string> Tokens(std::string_view query) {
    std::vector<std::string> tokens;
    std::string current;
    for (const char c : query) {
        if (c == ' ' || c == '\t' || c == ',' || c == ';' || c == '/') {
            if (!current.empty())
                tokens.push_back(std::move(current));
            current.clear();
        } else if (IsAlnum(c)) {
            current += LowerAscii(c);
        }
    }
    if (!current.empty())
        tokens.push_back(std::move(current));
    return tokens;
}

}  // namespace

ProductIndex::ProductIndex(const std::vector<ProductSheet>& products) {
    keys_.reserve(products.size());
    for (const ProductSheet& product : products) {
        Keys keys;
        keys.part = LettersAndDigits(product.part);
        keys.partNumber = WithoutLeadingLetters(keys.part);
        keys.maker = LettersAndDigits(product.maker);
        keys.description = " ";
        for (const char c : product.description)
            keys.description += IsAlnum(c) ? LowerAscii(c) : ' ';
        keys.description += ' ';
        keys.labelWidth = product.labelWidth / 100.0;
        keys.labelHeight = product.labelHeight / 100.0;
        keys_.push_back(std::move(keys));
    }
}

int ProductIndex::Score(const Keys& keys, const std::string& whole, const std::vector<std::string>& tokens,
                        bool bySize, double width, double height) const {
    int score = 0;
    if (bySize) {
        // The size as the list shows it, to a tenth; within half a millimetre still matches, lower.
        const double straight = std::fabs(keys.labelWidth - width) + std::fabs(keys.labelHeight - height);
        const double turned = std::fabs(keys.labelWidth - height) + std::fabs(keys.labelHeight - width);
        if (straight <= 0.051)
            score = 1200;
        else if (straight <= 1.0)
            score = 900 - static_cast<int>(straight * 100);
        else if (turned <= 0.051)
            score = 700;
    }
    // The whole query as one part number, so that "L 7160" and "L-7160" find L7160.
    score = std::max(score, PartScore(keys.part, keys.partNumber, whole));
    // Else every word must match the maker, the part number or a word of the description.
    int sum = 0;
    for (const std::string& token : tokens) {
        int best = PartScore(keys.part, keys.partNumber, token);
        if (keys.maker == token)
            best = std::max(best, 300);
        else if (StartsWith(keys.maker, token))
            best = std::max(best, 200);
        if (keys.description.find(' ' + token + ' ') != std::string::npos)
            best = std::max(best, 150);
        else if (keys.description.find(' ' + token) != std::string::npos)
            best = std::max(best, 100);
        if (best == 0)
            return score;
        sum += best;
    }
    return std::max(score, sum);
}

std::vector<int> ProductIndex::Find(std::string_view query) const {
    const std::string whole = LettersAndDigits(query);
    std::vector<int> found;
    if (whole.empty()) {
        found.resize(keys_.size());
        for (std::size_t i = 0; i < keys_.size(); ++i)
            found[i] = static_cast<int>(i);
        return found;
    }
    const std::vector<std::string> tokens = Tokens(query);
    double width = 0;
    double height = 0;
    const bool bySize = ReadSize(query, width, height);
    std::vector<std::pair<int, int>> scored;
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        const int score = Score(keys_[i], whole, tokens, bySize, width, height);
        if (score > 0)
            scored.emplace_back(-score, static_cast<int>(i));
    }
    std::stable_sort(scored.begin(), scored.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    found.reserve(scored.size());
    for (const auto& entry : scored)
        found.push_back(entry.second);
    return found;
}

}  // namespace tagmora
