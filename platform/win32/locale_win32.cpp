#include "platform/win32/locale_win32.h"

#include <windows.h>

namespace verbalo::platform::win32 {

char Win32Locale::DecimalSeparator() const {
    wchar_t separator[4] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4) > 0 &&
        separator[0] > 0 && separator[0] < 128) {
        return static_cast<char>(separator[0]);
    }
    return '.';
}

}  // namespace verbalo::platform::win32
