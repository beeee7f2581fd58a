#pragma once

#include <cstddef>
#include <cstdint>
#include <expected>
#include <string>
#include <string_view>

#include "platform/registry.h"

namespace verbalo {

// The access asked for when a key is opened: KEY_QUERY_VALUE, all that reading a value needs.
// Anything more is refused to a standard user below HKEY_LOCAL_MACHINE.
inline constexpr std::uint32_t kRegistryAccess = 0x0001;
// The largest value the reader accepts, in bytes.
inline constexpr std::size_t kRegistryValueCapacity = 1024;

// Why a value that was found could not be rendered.
enum class RegistryReadError {
    NoData,  // the value holds zero bytes
};

// Reads one value below root\subKey and renders it into text:
// - REG_SZ: the stored text, without its terminating NUL (one NUL is dropped when it is the
//   last byte; any other byte is kept);
// - REG_DWORD: the bytes, terminator dropped likewise, from the last to the first, each as
//   upper-case hexadecimal digits without leading zeros, appended to text as passed in, all
//   behind "&h" (bytes 05 01 00 00 give "&h015");
// - any other type: text is left as passed in.
// Returns true when the key opened and the value was read; false, with text emptied, when the
// key or the value is missing, access is refused or the value exceeds 1024 bytes. A value with
// no data gives NoData and leaves text as passed in. The key is always closed again.
std::expected<bool, RegistryReadError> ReadRegistryValue(platform::Registry& registry,
                                                         platform::Registry::Key root,
                                                         std::string_view subKey,
                                                         std::string_view valueName,
                                                         std::string& text);

}  // namespace verbalo
