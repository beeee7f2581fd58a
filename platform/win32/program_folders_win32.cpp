#include "platform/win32/program_folders_win32.h"

#include <windows.h>
// After windows.h, which it builds on.
#include <shlobj.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/win32/system_library.h"
#include "platform/win32/text_conversion.h"

namespace verbalo::platform::win32 {
namespace {

// The two known folders, as knownfolders.h names them: the uuid library that holds its
// constants would bring every GUID of the system into the program (some 36 KB).
constexpr KNOWNFOLDERID kProgramFiles = {
    0x905e63b6, 0xc1bf, 0x494e, {0xb2, 0x9c, 0x65, 0xb7, 0x32, 0xd3, 0xd2, 0x1a}};
constexpr KNOWNFOLDERID kProgramFilesX86 = {
    0x7c5a40ef, 0xa0fb, 0x4bfc, {0x87, 0x4a, 0xc0, 0xf2, 0xe0, 0xb9, 0xfa, 0x8e}};

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
    for (const KNOWNFOLDERID* folder : {&kProgramFiles, &kProgramFilesX86}) {
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
