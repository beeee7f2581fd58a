#include "platform/win32/shell_win32.h"

#include <windows.h>
// windows.h first: shellapi.h relies on its types.
#include <shellapi.h>

#include <string>

#include "platform/win32/system_library.h"
#include "platform/win32/text_conversion.h"

namespace verbalo::platform::win32 {

std::intptr_t Win32Shell::Execute(WindowHandle owner, std::string_view file,
                                  std::string_view directory, int showCommand) {
    if (!com_) {
        com_.emplace();
    }
    static const auto shellExecute =
        SystemFunction<decltype(&ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    if (shellExecute == nullptr) {
        return SE_ERR_DLLNOTFOUND;
    }
    const HINSTANCE result =
        shellExecute(reinterpret_cast<HWND>(owner), nullptr, Utf8ToWide(file).c_str(), nullptr,
                     Utf8ToWide(directory).c_str(), showCommand);
    return reinterpret_cast<std::intptr_t>(result);
}

}  // namespace verbalo::platform::win32
