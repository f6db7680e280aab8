#include "model/text_helpers.h"

namespace tagmora {

std::string ReplaceAll(const std::string& text, const std::string& from, const std::string& to) {
    if (from.empty())
        return text;
    std::string result;
    std::size_t start = 0;
    for (;;) {
        const auto found = text.find(from, start);
        if (found == std::string::npos)
            break;
        result.append(text, start, found - start);
        result += to;
        start = found + from.size();
    }
    result.append(text, start, std::string::npos);
    return result;
}

std::vector<std::string> SplitAtCarriageReturns(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t cr = text.find('\r'); cr != std::string::npos; cr = text.find('\r', start)) {
        lines.push_back(text.substr(start, cr - start));
        start = cr + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

}  // namespace tagmora
