#include "platform/win32/registry_win32.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/text_conversion.h"

namespace verbalo::platform::win32 {
namespace {

HKEY ToHkey(Registry::Key key) {
    return reinterpret_cast<HKEY>(key);
}

}  // namespace

Registry::Status Win32Registry::OpenKey(Key root, std::string_view subKey, std::uint32_t access,
                                        Key& key) {
    const std::optional<std::string> ansiSubKey = Utf8ToAnsi(subKey);
    if (!ansiSubKey) {
        return ERROR_FILE_NOT_FOUND;  // no key of the code page has this name
    }
    HKEY opened = nullptr;
    const LSTATUS status = RegOpenKeyExA(ToHkey(root), ansiSubKey->c_str(), 0, access, &opened);
    if (status == ERROR_SUCCESS) {
        key = reinterpret_cast<Key>(opened);
    }
    return status;
}

Registry::Status Win32Registry::QueryValue(Key key, std::string_view valueName, std::uint32_t& type,
                                           std::span<std::uint8_t> data, std::uint32_t& length) {
    const std::optional<std::string> ansiName = Utf8ToAnsi(valueName);
    if (!ansiName) {
        return ERROR_FILE_NOT_FOUND;
    }
    DWORD valueType = 0;
    DWORD size = static_cast<DWORD>(std::min<std::size_t>(data.size(), MAXDWORD));
    const LSTATUS status =
        RegQueryValueExA(ToHkey(key), ansiName->c_str(), nullptr, &valueType, data.data(), &size);
    if (status == ERROR_SUCCESS) {
        type = valueType;
        length = size;
    }
    return status;
}

void Win32Registry::CloseKey(Key key) {
    RegCloseKey(ToHkey(key));
}

std::string Win32Registry::TextFromCodePage(std::string_view codePageText) const {
    return AnsiToUtf8(codePageText);
}

}  // namespace verbalo::platform::win32
