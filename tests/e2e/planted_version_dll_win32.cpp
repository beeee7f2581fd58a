// A version.dll of anyone's (forwarding to kernelbase). Loaded for the program, at run time or as
// its import (not Wine's user32's), it marks "version-dll-loaded" beside itself.
#include <windows.h>

#include <string>

static bool ProgramImportsMe() {
    const auto* base = reinterpret_cast<const BYTE*>(GetModuleHandleW(nullptr));
    const LONG ntOffset = reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew;
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + ntOffset);
    const DWORD at = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (auto* dll = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + at); dll->Name;
         ++dll) {
        if (lstrcmpiA(reinterpret_cast<const char*>(base + dll->Name), "version.dll") == 0) {
            return true;
        }
    }
    return false;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID loadedAtStart) {
    if (reason == DLL_PROCESS_ATTACH && (loadedAtStart == nullptr || ProgramImportsMe())) {
        std::wstring mark(MAX_PATH, L'\0');
        mark.resize(GetModuleFileNameW(self, mark.data(), MAX_PATH));
        mark = mark.substr(0, mark.rfind(L'\\') + 1) + L"version-dll-loaded";
        CloseHandle(
            CreateFileW(mark.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    }
    return TRUE;
}
