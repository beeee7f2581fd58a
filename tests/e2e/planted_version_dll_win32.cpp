// A version.dll as anyone could drop it beside a downloaded program. Loaded for the program,
// it writes the mark file "version-dll-loaded" into its own folder: loaded at run time, or at
// start because the program imports it. (Wine's own user32.dll imports VERSION.dll too, and
// Wine has no KnownDLLs: that load is Wine's, and writes no mark.) It exports the functions a
// program imports from VERSION.dll, answering that there is no version, so that such a program
// starts all the same.
#include <windows.h>

#include <string>
#include <string_view>

namespace {

bool ProgramImportsVersionDll() {
    const auto* base = reinterpret_cast<const BYTE*>(GetModuleHandleW(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* entry =
             reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         imports.Size != 0 && entry->Name != 0; ++entry) {
        if (lstrcmpiA(reinterpret_cast<const char*>(base + entry->Name), "version.dll") == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

// reserved is null for a load at run time, and not null for one at start.
extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved) {
    if (reason != DLL_PROCESS_ATTACH || (reserved != nullptr && !ProgramImportsVersionDll())) {
        return TRUE;
    }
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(self, path.data(), static_cast<DWORD>(path.size())));
    path.resize(path.rfind(L'\\') + 1);
    path += L"version-dll-loaded";
    const HANDLE mark = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (mark != INVALID_HANDLE_VALUE) {
        CloseHandle(mark);
    }
    return TRUE;
}

extern "C" __declspec(dllexport) DWORD WINAPI GetFileVersionInfoSizeW(LPCWSTR, LPDWORD) {
    return 0;
}
extern "C" __declspec(dllexport) BOOL WINAPI GetFileVersionInfoW(LPCWSTR, DWORD, DWORD, LPVOID) {
    return FALSE;
}
extern "C" __declspec(dllexport) BOOL WINAPI VerQueryValueW(LPCVOID, LPCWSTR, LPVOID*, PUINT) {
    return FALSE;
}
