#pragma once
// How an address file's bytes are text: found from the bytes alone, so that the user never has to say.

#include <string>

namespace tagmora {

enum class TextEncoding { Utf16LittleEndian, Utf16BigEndian, Utf8WithMark, Utf8, Ansi };

// UTF-16 only with its byte-order mark; UTF-8 with its mark, or without one when every byte sequence is
// valid UTF-8 (an ANSI text with accented letters almost never is); otherwise the system's ANSI code page.
TextEncoding DetectTextEncoding(const std::string& bytes);

// The name the import preview shows.
const char* TextEncodingName(TextEncoding encoding);

bool IsValidUtf8(const std::string& bytes, std::size_t begin = 0);

// The text as UTF-8 without a byte-order mark. UTF-16 is converted here (an unpaired surrogate becomes
// U+FFFD, an odd last byte is dropped); ANSI text goes through the platform's code page (code_page.h).
std::string DecodeToUtf8(const std::string& bytes, TextEncoding encoding);

// Appends the code point as UTF-8.
void AppendUtf8(std::string& out, unsigned long codePoint);

}  // namespace tagmora
