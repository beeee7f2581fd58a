#include "platform/win32/text_conversion.h"

#include <windows.h>

#include "platform/utf16.h"

namespace verbalo::platform::win32 {

std::wstring Utf8ToWide(std::string_view utf8) {
    const std::u16string wide = Utf8ToUtf16(utf8);
    return {wide.begin(), wide.end()};
}
std::string WideToUtf8(std::wstring_view wide) {
    return Utf16ToUtf8({reinterpret_cast<const char16_t*>(wide.data()), wide.size()});
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
    if (ansi.empty()) {
        return {};
    }
    const int size = static_cast<int>(ansi.size());
    std::wstring wide(
        static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, nullptr, 0)),
        L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, wide.data(), static_cast<int>(wide.size()));
    return WideToUtf8(wide);
}

}  // namespace verbalo::platform::win32
