#include "platform/win32/program_folders_win32.h"

#include <windows.h>
// After windows.h, which they build on.
#include <knownfolders.h>
#include <shlobj.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/win32/system_library.h"
#include "platform/win32/text_conversion.h"

namespace verbalo::platform::win32 {
namespace {

// shell32 and ole32, loaded when the search first asks, as the program's start needs neither.
struct TaskMemory {
    void operator()(wchar_t* memory) const {
        static const auto freeMemory =
            SystemFunction<decltype(&CoTaskMemFree)>(L"ole32.dll", "CoTaskMemFree");
        if (freeMemory != nullptr) {
            freeMemory(memory);
        }
    }
};

std::optional<std::string> KnownFolder(const KNOWNFOLDERID& folder) {
    static const auto knownFolderPath =
        SystemFunction<decltype(&SHGetKnownFolderPath)>(L"shell32.dll", "SHGetKnownFolderPath");
    wchar_t* path = nullptr;
    if (knownFolderPath == nullptr) {
        return std::nullopt;
    }
    const HRESULT result = knownFolderPath(folder, 0, nullptr, &path);
    const std::unique_ptr<wchar_t, TaskMemory> owned(path);  // freed even on failure
    if (FAILED(result) || path == nullptr) {
        return std::nullopt;
    }
    return WideToUtf8(path);
}

bool RunsOn64BitWindowsAs32BitProgram() {
#ifdef _WIN64
    return false;
#else
    BOOL wow64 = FALSE;
    return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
#endif
}

std::optional<std::string> EnvironmentFolder(const wchar_t* name) {
    const DWORD length = GetEnvironmentVariableW(name, nullptr, 0);
    if (length == 0) {
        return std::nullopt;
    }
    std::wstring value(length, L'\0');
    const DWORD copied = GetEnvironmentVariableW(name, value.data(), length);
    if (copied == 0 || copied >= length) {
        return std::nullopt;
    }
    value.resize(copied);
    return WideToUtf8(value);
}

}  // namespace

std::vector<std::string> Win32ProgramFolders::ProgramFilesFolders() {
    std::vector<std::string> folders;
    for (const KNOWNFOLDERID* folder : {&FOLDERID_ProgramFiles, &FOLDERID_ProgramFilesX86}) {
        if (auto path = KnownFolder(*folder)) {
            folders.push_back(std::move(*path));
        }
    }
    if (RunsOn64BitWindowsAs32BitProgram()) {
        if (auto path = EnvironmentFolder(L"ProgramW6432")) {
            folders.push_back(std::move(*path));
        }
    }
    return folders;
}

}  // namespace verbalo::platform::win32
