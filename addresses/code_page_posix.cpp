#include <string>

#include "addresses/code_page.h"
#include "addresses/text_encoding.h"

namespace tagmora {
namespace {

// Code page 1252 from 0x80 to 0x9F; 0 where it has no character. Every other byte is its own code point.
constexpr unsigned short kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

std::string AnsiToUtf8(const std::string& ansi) {
    std::string out;
    out.reserve(ansi.size());
    for (const char ch : ansi) {
        const auto c = static_cast<unsigned char>(ch);
        const unsigned long point = c >= 0x80 && c < 0xA0 ? (kHigh[c - 0x80] ? kHigh[c - 0x80] : c) : c;
        AppendUtf8(out, point);
    }
    return out;
}

bool Utf8ToAnsi(const std::string& utf8, std::string& ansi) {
    ansi.clear();
    ansi.reserve(utf8.size());
    bool complete = true;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        unsigned long point = c;
        std::size_t length = 1;
        if (c >= 0xC0) {
            length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
            point = c & (0x3F >> (length - 1));
            for (std::size_t k = 1; k < length; ++k) {
                if (i + k >= utf8.size() || (static_cast<unsigned char>(utf8[i + k]) & 0xC0) != 0x80) {
                    length = k;
                    point = 0xFFFD;
                    break;
                }
                point = point << 6 | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
            }
        } else if (c >= 0x80) {
            point = 0xFFFD;
        }
        i += length;
        char byte = '?';
        if (point < 0x80 || (point >= 0xA0 && point < 0x100)) {
            byte = static_cast<char>(point);
        } else {
            for (int k = 0; k < 32; ++k) {
                if (kHigh[k] == point)
                    byte = static_cast<char>(0x80 + k);
            }
        }
        if (byte == '?' && point != '?')
            complete = false;
        ansi += byte;
    }
    return complete;
}

std::string AnsiCodePageName() {
    return "1252";
}

}  // namespace tagmora
