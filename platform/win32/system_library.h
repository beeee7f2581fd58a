#pragma once

#include <windows.h>

namespace verbalo::platform::win32 {

// A function of a DLL of the system folder, loaded when first asked for rather than imported: a
// DLL the program needs only for some commands then costs its start nothing. The DLL, and all it
// loads, is taken from the system folder alone (LOAD_LIBRARY_SEARCH_SYSTEM32; by its full path
// there where Windows 7 lacks that flag); once loaded it stays until the program ends, as an
// imported one does. Null when it cannot be loaded or has no such function.
FARPROC SystemLibraryFunction(const wchar_t* library, const char* function);

template <typename Function>
Function SystemFunction(const wchar_t* library, const char* function) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(SystemLibraryFunction(library, function)));
}

}  // namespace verbalo::platform::win32
