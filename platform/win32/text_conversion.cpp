#include "platform/win32/text_conversion.h"

#include <windows.h>

namespace verbalo::platform::win32 {
namespace {

std::wstring ToWide(UINT codePage, std::string_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string FromWide(UINT codePage, std::wstring_view wide) {
    if (wide.empty()) {
        return {};
    }
    const int size = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
    return text;
}

}  // namespace

std::wstring Utf8ToWide(std::string_view utf8) {
    return ToWide(CP_UTF8, utf8);
}
std::string WideToUtf8(std::wstring_view wide) {
    return FromWide(CP_UTF8, wide);
}
std::optional<std::string> Utf8ToAnsi(std::string_view utf8) {
    const std::wstring wide = Utf8ToWide(utf8);
    if (wide.empty()) {
        return std::string();
    }
    const int size = static_cast<int>(wide.size());
    BOOL lossy = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr,
                                           0, nullptr, &lossy);
    if (length == 0 || lossy != FALSE) {
        return std::nullopt;
    }
    std::string text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, text.data(), length,
                        nullptr, nullptr);
    return text;
}
std::string AnsiToUtf8(std::string_view ansi) {
    return WideToUtf8(ToWide(CP_ACP, ansi));
}

}  // namespace verbalo::platform::win32
