#include "platform/win32/system_library.h"

#include <string>

namespace verbalo::platform::win32 {

namespace {

// The DLL by its full path in the system folder; its own imports are looked for there first.
HMODULE LoadByFullPath(const wchar_t* library) {
    const UINT length = GetSystemDirectoryW(nullptr, 0);
    if (length == 0) {
        return nullptr;
    }
    std::wstring path(length, L'\0');
    const UINT copied = GetSystemDirectoryW(path.data(), length);
    if (copied == 0 || copied >= length) {
        return nullptr;
    }
    path.resize(copied);
    path += L'\\';
    path += library;
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace

FARPROC SystemLibraryFunction(const wchar_t* library, const char* function) {
    // The DLL and everything it loads from System32 alone. Windows 7 without KB2533623 refuses
    // the flag (ERROR_INVALID_PARAMETER); there the search restriction of the program's start
    // is missing too, and the full path in the system folder stands in for it.
    // Never freed: the program keeps it as it would keep an import.
    HMODULE module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module == nullptr && GetLastError() == ERROR_INVALID_PARAMETER) {
        module = LoadByFullPath(library);
    }
    return module != nullptr ? GetProcAddress(module, function) : nullptr;
}

}  // namespace verbalo::platform::win32
