#include "addresses/text_encoding.h"

#include "addresses/code_page.h"

namespace tagmora {
namespace {

bool StartsWith(const std::string& bytes, const char* mark, std::size_t length) {
    return bytes.size() >= length && bytes.compare(0, length, mark, length) == 0;
}

std::string Utf16ToUtf8(const std::string& bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size());
    const std::size_t units = (bytes.size() - 2) / 2;
    auto unitAt = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(bytes[2 + 2 * i]);
        const auto b = static_cast<unsigned char>(bytes[3 + 2 * i]);
        return bigEndian ? (a << 8 | b) : (b << 8 | a);
    };
    for (std::size_t i = 0; i < units; ++i) {
        const unsigned long unit = static_cast<unsigned long>(unitAt(i));
        if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < units) {
            const unsigned long low = static_cast<unsigned long>(unitAt(i + 1));
            if (low >= 0xDC00 && low < 0xE000) {
                AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        AppendUtf8(out, unit >= 0xD800 && unit < 0xE000 ? 0xFFFD : unit);
    }
    return out;
}

}  // namespace

void AppendUtf8(std::string& out, unsigned long c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool IsValidUtf8(const std::string& bytes, std::size_t i) {
    const std::size_t n = bytes.size();
    while (i < n) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t follow = 0;
        unsigned long min = 0;
        unsigned long value = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            follow = 1, min = 0x80, value = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            follow = 2, min = 0x800, value = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            follow = 3, min = 0x10000, value = c & 0x07;
        } else {
            return false;
        }
        if (n - i <= follow)
            return false;
        for (std::size_t k = 1; k <= follow; ++k) {
            const auto f = static_cast<unsigned char>(bytes[i + k]);
            if ((f & 0xC0) != 0x80)
                return false;
            value = value << 6 | (f & 0x3F);
        }
        if (value < min || value > 0x10FFFF || (value >= 0xD800 && value < 0xE000))
            return false;
        i += follow + 1;
    }
    return true;
}

TextEncoding DetectTextEncoding(const std::string& bytes) {
    if (StartsWith(bytes, "\xFF\xFE", 2))
        return TextEncoding::Utf16LittleEndian;
    if (StartsWith(bytes, "\xFE\xFF", 2))
        return TextEncoding::Utf16BigEndian;
    if (StartsWith(bytes, "\xEF\xBB\xBF", 3))
        return TextEncoding::Utf8WithMark;
    return IsValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Ansi;
}

const char* TextEncodingName(TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf16LittleEndian:
            return "UTF-16 LE (Unicode)";
        case TextEncoding::Utf16BigEndian:
            return "UTF-16 BE (Unicode)";
        case TextEncoding::Utf8WithMark:
            return "UTF-8 with byte-order mark";
        case TextEncoding::Utf8:
            return "UTF-8";
        case TextEncoding::Ansi:
            break;
    }
    return "ANSI (Windows code page)";
}

std::string DecodeToUtf8(const std::string& bytes, TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf16LittleEndian:
            return Utf16ToUtf8(bytes, false);
        case TextEncoding::Utf16BigEndian:
            return Utf16ToUtf8(bytes, true);
        case TextEncoding::Utf8WithMark:
            return bytes.substr(3);
        case TextEncoding::Utf8:
            return bytes;
        case TextEncoding::Ansi:
            break;
    }
    return AnsiToUtf8(bytes);
}

}  // namespace tagmora
