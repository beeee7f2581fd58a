#include "infowindows/registry_reader.h"

#include <array>
#include <span>

namespace verbalo {
namespace {

// A byte's value in upper-case hexadecimal digits, without leading zeros ("0" for zero).
std::string HexDigits(std::uint8_t byte) {
    constexpr std::string_view kDigits = "0123456789ABCDEF";
    std::string digits;
    if (byte >= 0x10) {
        digits += kDigits[byte >> 4];
    }
    digits += kDigits[byte & 0x0F];
    return digits;
}

// "&h" and the bytes from the last to the first. Formatting such a text without a pattern
// leaves it as it is: it is not a number in any regional format.
std::string RenderDword(std::span<const std::uint8_t> bytes, std::string_view textPassedIn) {
    std::string rendered = "&h";
    rendered += textPassedIn;
    for (auto byte = bytes.rbegin(); byte != bytes.rend(); ++byte) {
        rendered += HexDigits(*byte);
    }
    return rendered;
}

}  // namespace

std::expected<bool, RegistryReadError> ReadRegistryValue(platform::Registry& registry,
                                                         platform::Registry::Key root,
                                                         std::string_view subKey,
                                                         std::string_view valueName,
                                                         std::string& text) {
    platform::Registry::Key opened = 0;
    if (registry.OpenKey(root, subKey, kRegistryAccess, opened) != 0) {
        text.clear();
        return false;
    }
    const platform::ScopedRegistryKey key(registry, opened);

    std::array<std::uint8_t, kRegistryValueCapacity> buffer{};
    std::uint32_t type = 0;
    std::uint32_t length = static_cast<std::uint32_t>(buffer.size());
    if (registry.QueryValue(key.get(), valueName, type, buffer, length) != 0 ||
        length > buffer.size()) {
        text.clear();
        return false;
    }
    if (length == 0) {
        return std::unexpected(RegistryReadError::NoData);
    }

    std::span<const std::uint8_t> data(buffer.data(), length);
    if (data.back() == 0) {
        data = data.first(length - 1);
    }
    switch (type) {
        case platform::Registry::kTypeString:
            text = registry.TextFromCodePage(
                {reinterpret_cast<const char*>(data.data()), data.size()});
            break;
        case platform::Registry::kTypeDword:
            text = RenderDword(data, text);
            break;
        default:
            break;
    }
    return true;
}

}  // namespace verbalo
