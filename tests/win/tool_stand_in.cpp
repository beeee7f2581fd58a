// Stands in for the system-information tool, or for the program the shell opens a link with:
// started, it adds the path it was started from, and after a blank its arguments if it has
// any, as one UTF-8 line to the file that the environment variable VERBALO_TOOL_LOG names, and
// ends. It shows no window.
#include <windows.h>

#include <string>

#include "platform/win32/text_conversion.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int) {
    std::wstring log(32768, L'\0');
    log.resize(
        GetEnvironmentVariableW(L"VERBALO_TOOL_LOG", log.data(), static_cast<DWORD>(log.size())));
    std::wstring self(32768, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
    if (log.empty() || self.empty()) {
        return 1;
    }
    if (arguments != nullptr && *arguments != L'\0') {
        self += L' ';
        self += arguments;
    }
    const std::string line = verbalo::platform::win32::WideToUtf8(self) + "\n";
    const HANDLE file =
        CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return 1;
    }
    DWORD written = 0;
    const BOOL wrote =
        WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
    return wrote != FALSE ? 0 : 1;
}
