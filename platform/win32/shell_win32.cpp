#include "platform/win32/shell_win32.h"

#include <windows.h>
// windows.h first: shellapi.h relies on its types.
#include <shellapi.h>

#include <string>

#include "platform/win32/text_conversion.h"

namespace verbalo::platform::win32 {

std::intptr_t Win32Shell::Execute(WindowHandle owner, std::string_view file,
                                  std::string_view directory, int showCommand) {
    const HINSTANCE result =
        ShellExecuteW(reinterpret_cast<HWND>(owner), nullptr, Utf8ToWide(file).c_str(), nullptr,
                      Utf8ToWide(directory).c_str(), showCommand);
    return reinterpret_cast<std::intptr_t>(result);
}

}  // namespace verbalo::platform::win32
