#pragma once
// The system's ANSI code page, the one the sheet's texts are held in: the conversions between it and
// UTF-8 are the platform's (code_page_win32.cpp); the native build knows code page 1252 alone
// (code_page_posix.cpp).

#include <string>

namespace tagmora {

std::string AnsiToUtf8(const std::string& ansi);

// Every character the code page lacks becomes "?" (no look-alike letter is chosen in its place).
// Returns false when one was lost. Malformed UTF-8 counts as lost.
bool Utf8ToAnsi(const std::string& utf8, std::string& ansi);

// "1252" and the like, for the import preview.
std::string AnsiCodePageName();

}  // namespace tagmora
