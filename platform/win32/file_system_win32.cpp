#include "platform/win32/file_system_win32.h"

#include <windows.h>

#include <string>

#include "platform/win32/long_path.h"
#include "platform/win32/text_conversion.h"

namespace verbalo::platform::win32 {
namespace {

// A search handle of FindFirstFile, closed with FindClose.
class FindHandle {
  public:
    explicit FindHandle(HANDLE handle) : handle_(handle) {}
    ~FindHandle() {
        if (valid()) {
            FindClose(handle_);
        }
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;

    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }

  private:
    HANDLE handle_;
};

constexpr DWORD kNotNormal = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN |
                             FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DEVICE;

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(ExtendedLengthPath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool EndsInSeparator(std::string_view path) {
    return path.ends_with('\\') || path.ends_with('/');
}

}  // namespace

bool Win32FileSystem::NormalFileExists(std::string_view path) {
    if (path.empty() || path.find_first_of("*?") != std::string_view::npos) {
        return false;
    }
    WIN32_FIND_DATAW found{};
    const FindHandle find(FindFirstFileW(ExtendedLengthPath(Utf8ToWide(path)).c_str(), &found));
    return find.valid() && (found.dwFileAttributes & kNotNormal) == 0;
}

std::optional<std::vector<FileSystem::Folder>> Win32FileSystem::Subfolders(
    std::string_view folder) {
    if (folder.empty() || folder.find_first_of("*?") != std::string_view::npos) {
        return std::nullopt;
    }
    const std::string separator = EndsInSeparator(folder) ? "" : "\\";
    const std::wstring wideFolder = Utf8ToWide(folder);
    const std::wstring pattern = Utf8ToWide(std::string(folder) + separator + "*");

    WIN32_FIND_DATAW entry{};
    const FindHandle find(FindFirstFileW(ExtendedLengthPath(pattern).c_str(), &entry));
    if (!find.valid()) {
        // An empty drive root lists nothing, not even "." and "..".
        if (GetLastError() == ERROR_FILE_NOT_FOUND && IsFolder(wideFolder)) {
            return std::vector<Folder>{};
        }
        return std::nullopt;
    }

    std::vector<Folder> subfolders;
    do {
        const std::wstring_view name = entry.cFileName;
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 || name == L"." ||
            name == L"..") {
            continue;
        }
        subfolders.push_back({std::string(folder) + separator + WideToUtf8(name),
                              (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0});
    } while (FindNextFileW(find.get(), &entry));
    if (GetLastError() != ERROR_NO_MORE_FILES) {
        return std::nullopt;  // the listing broke off
    }
    return subfolders;
}

}  // namespace verbalo::platform::win32
