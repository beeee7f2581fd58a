#include "platform/win32/dialogs_win32.h"

#include <windows.h>

#include "platform/win32/text_conversion.h"

namespace verbalo::platform::win32 {

void Win32Dialogs::ShowMessage(std::string_view text, Icon icon) {
    const UINT iconFlag = icon == Icon::Warning ? MB_ICONEXCLAMATION : 0;
    MessageBoxW(GetActiveWindow(), Utf8ToWide(text).c_str(), L"Verbalo", MB_OK | iconFlag);
}

}  // namespace verbalo::platform::win32
