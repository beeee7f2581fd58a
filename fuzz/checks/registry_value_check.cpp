#include <algorithm>
#include <string>
#include <vector>

#include "fuzz/checks/fuzz_checks.h"
#include "fuzz/checks/require.h"
#include "infowindows/registry_reader.h"
#include "platform/fakes/fake_registry.h"
#include "platform/utf16.h"

namespace verbalo::fuzz {
namespace {

using platform::Registry;

constexpr std::string_view kSubKey = "Software\\Verbalo";
constexpr std::string_view kValueName = "Valore";

bool IsUpperHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

}  // namespace

// The first byte is the value's type, the second says how many of the next bytes (up to 15)
// are the text passed in; the rest is the value's data.
void CheckRegistryValue(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return;
    }
    const std::uint32_t type = data[0];
    const std::size_t passedLength = std::min<std::size_t>(data[1] % 16, size - 2);
    const std::string passedIn(reinterpret_cast<const char*>(data + 2), passedLength);
    const std::vector<std::uint8_t> value(data + 2 + passedLength, data + size);

    platform::FakeRegistry registry;
    registry.SetValue(Registry::kCurrentUser, kSubKey, kValueName, type, value);
    std::string text = passedIn;
    const auto read =
        ReadRegistryValue(registry, Registry::kCurrentUser, kSubKey, kValueName, text);

    Require(registry.openKeys.empty() && registry.closes == 1, "the key is closed, once");
    if (value.size() > kRegistryValueCapacity) {
        Require(read.has_value() && !*read && text.empty(), "a value too long is not read");
        return;
    }
    if (value.empty()) {
        Require(!read.has_value() && text == passedIn, "a value with no data is no text");
        return;
    }
    Require(read.has_value() && *read, "a value that fits is read");
    const std::size_t stored = value.size() - (value.back() == 0 ? 1 : 0);
    if (type == Registry::kTypeString) {
        Require(platform::AsStoredByControl(text) == text &&
                    platform::Utf16Length(text) == static_cast<int>(stored),
                "a string is well-formed text of one character a byte, its terminator dropped");
    } else if (type == Registry::kTypeDword) {
        const std::string prefix = "&h" + passedIn;
        Require(text.starts_with(prefix), "a number is \"&h\" and the text passed in");
        const std::string_view digits = std::string_view(text).substr(prefix.size());
        Require(std::ranges::all_of(digits, IsUpperHexDigit) && digits.size() >= stored &&
                    digits.size() <= 2 * stored,
                "then one or two hexadecimal digits a byte, its terminator dropped");
    } else {
        Require(text == passedIn, "a value of another type leaves the text as it was");
    }
}

}  // namespace verbalo::fuzz
