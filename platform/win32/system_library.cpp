#include "platform/win32/system_library.h"

#include <string>

namespace verbalo::platform::win32 {

FARPROC SystemLibraryFunction(const wchar_t* library, const char* function) {
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
    // Never freed: the program keeps it as it would keep an import.
    const HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    return module != nullptr ? GetProcAddress(module, function) : nullptr;
}

}  // namespace verbalo::platform::win32
