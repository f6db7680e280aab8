#include <windows.h>

#include <string>

#include "addresses/code_page.h"

namespace tagmora {
namespace {

std::wstring Widen(UINT codePage, DWORD flags, const std::string& text) {
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, flags, text.data(), size, nullptr, 0);
    if (length <= 0)
        return {};
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, flags, text.data(), size, &wide[0], length);
    return wide;
}

}  // namespace

std::string AnsiToUtf8(const std::string& ansi) {
    const std::wstring wide = Widen(CP_ACP, 0, ansi);
    if (wide.empty())
        return {};
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, &out[0], length, nullptr, nullptr);
    return out;
}

bool Utf8ToAnsi(const std::string& utf8, std::string& ansi) {
    ansi.clear();
    if (utf8.empty())
        return true;
    const std::wstring wide = Widen(CP_UTF8, MB_ERR_INVALID_CHARS, utf8);
    if (wide.empty()) {
        ansi.assign(utf8.size(), '?');
        return false;
    }
    const int size = static_cast<int>(wide.size());
    BOOL lost = FALSE;
    const int length =
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, "?", &lost);
    if (length <= 0) {
        ansi.assign(wide.size(), '?');
        return false;
    }
    ansi.assign(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, &ansi[0], length, "?", &lost);
    return lost == FALSE;
}

std::string AnsiCodePageName() {
    return std::to_string(GetACP());
}

}  // namespace tagmora
