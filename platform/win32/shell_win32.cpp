#include "platform/win32/shell_win32.h"

#include <windows.h>
// windows.h first: shellapi.h relies on its types.
#include <shellapi.h>

#include <string>

#include "platform/win32/text_conversion.h"

namespace verbalo::platform::win32 {

std::intptr_t Win32Shell::Execute(WindowHandle owner, std::string_view file,
                                  std::string_view directory, int showCommand) {
    const std::optional<std::string> ansiFile = Utf8ToAnsi(file);
    const std::optional<std::string> ansiDirectory = Utf8ToAnsi(directory);
    if (!ansiFile || !ansiDirectory) {
        return SE_ERR_FNF;  // the code page cannot name it: never start a look-alike
    }
    const HINSTANCE result =
        ShellExecuteA(reinterpret_cast<HWND>(owner), nullptr, ansiFile->c_str(), nullptr,
                      ansiDirectory->c_str(), showCommand);
    return reinterpret_cast<std::intptr_t>(result);
}

}  // namespace verbalo::platform::win32
