#include "platform/win32/dll_search.h"

#include <windows.h>

namespace verbalo::platform::win32 {

bool RestrictDllSearchToSystem32() {
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    bool restricted = false;
    // kernel32 is loaded in every process: a look-up, no load.
    if (const HMODULE kernel32 = GetModuleHandleW(L"kernel32.dll")) {
        const auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFunction>(
            reinterpret_cast<void*>(GetProcAddress(kernel32, "SetDefaultDllDirectories")));
        restricted = setDefault != nullptr && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32) != FALSE;
    }
    SetDllDirectoryW(L"");
    return restricted;
}

}  // namespace verbalo::platform::win32
