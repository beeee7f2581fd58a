#include "platform/win32/locale_win32.h"

#include <windows.h>

namespace verbalo::platform::win32 {

std::wstring UserDecimalSeparator() {
    // LOCALE_SDECIMAL is at most four characters with the terminating null.
    wchar_t separator[4] = {};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4);
    return length > 1 ? std::wstring(separator, static_cast<std::size_t>(length - 1))
                      : std::wstring();
}

char Win32Locale::DecimalSeparator() const {
    const std::wstring separator = UserDecimalSeparator();
    if (!separator.empty() && separator[0] > 0 && separator[0] < 128) {
        return static_cast<char>(separator[0]);
    }
    return '.';
}

}  // namespace verbalo::platform::win32
