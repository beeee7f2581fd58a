// A version.dll of anyone's, forwarding what a program imports of VERSION.dll to kernelbase
// (planted_version_dll.def). Loaded for the program (at run time, or at start as the program
// imports it; not for Wine's user32, which imports it too), it marks "version-dll-loaded"
// beside itself.
#include <windows.h>

#include <string>

static bool ProgramImportsMe() {
    const auto* base = reinterpret_cast<const BYTE*>(GetModuleHandleW(nullptr));
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
        base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const DWORD table =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (auto* dll = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + table); dll->Name;
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
