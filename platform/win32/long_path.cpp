#include "platform/win32/long_path.h"

#include <windows.h>

#include <optional>

namespace verbalo::platform::win32 {
namespace {

// The full path that the system makes of `path`, or nothing when it cannot.
std::optional<std::wstring> MadeFull(const std::wstring& path) {
    std::wstring full(GetFullPathNameW(path.c_str(), 0, nullptr, nullptr), L'\0');
    const DWORD length =
        GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0 || length >= full.size()) {
        return std::nullopt;
    }
    full.resize(length);
    return full;
}

}  // namespace

std::wstring ExtendedLengthPath(const std::wstring& path) {
    if (path.size() < MAX_PATH || path.starts_with(L"\\\\?\\") || path.starts_with(L"\\\\.\\")) {
        return path;
    }
    const std::optional<std::wstring> full = MadeFull(path);
    if (!full) {
        return path;
    }
    if (full->starts_with(L"\\\\")) {
        return L"\\\\?\\UNC\\" + full->substr(2);
    }
    return L"\\\\?\\" + *full;
}

std::wstring FullPath(const std::wstring& path) {
    return MadeFull(path).value_or(path);
}

}  // namespace verbalo::platform::win32
