#include "ui/win32/program_version.h"

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

namespace verbalo::ui::win32 {
namespace {

std::wstring RunningProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);  // cut short: try a longer buffer
    }
}

}  // namespace

std::optional<VersionNumbers> RunningProgramVersion() {
    const std::wstring path = RunningProgramPath();
    if (path.empty()) {
        return std::nullopt;
    }
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    if (size == 0) {
        return std::nullopt;
    }
    std::vector<std::byte> data(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, data.data())) {
        return std::nullopt;
    }
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &length) ||
        info == nullptr || length < sizeof(VS_FIXEDFILEINFO)) {
        return std::nullopt;
    }
    return VersionNumbers{HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS),
                          LOWORD(info->dwFileVersionLS)};
}

}  // namespace verbalo::ui::win32
