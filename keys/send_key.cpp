#include "keys/send_key.h"

#include <array>
#include <optional>
#include <string_view>
#include <utility>

namespace verbalo {
namespace {

using platform::KeyboardEvents;

// The braced key names, in the order they are tried, with their virtual-key codes.
constexpr std::array<std::pair<std::string_view, std::uint8_t>, 9> kNamedKeys = {{
    {"{TAB}", 9},
    {"{HOME}", 36},
    {"{END}", 35},
    {"{UP}", 38},
    {"{RIGHT}", 39},
    {"{DOWN}", 40},
    {"{LEFT}", 37},
    {"{PGUP}", 33},
    {"{PGDN}", 34},
}};

// What VkKeyScanA answers for a character that no key types.
constexpr std::int16_t kNoKey = -1;

std::uint8_t NamedKeyCode(std::string_view keyText) {
    for (const auto& [name, code] : kNamedKeys) {
        if (keyText == name) {
            return code;
        }
    }
    return 0;
}

// The virtual-key code of the key that types `character` (one byte of UTF-8 text), shift state
// dropped. ASCII is the same in every ANSI code page; a byte of a longer UTF-8 sequence is not a
// character of its own and gets the "no key" answer.
std::uint8_t KeyOfCharacter(char character, KeyboardEvents& keyboard) {
    const bool isAscii = static_cast<unsigned char>(character) < 0x80;
    const std::int16_t scanned = isAscii ? keyboard.VkKeyScan(character) : kNoKey;
    return static_cast<std::uint8_t>(static_cast<std::uint16_t>(scanned) & 0xFFu);
}

std::optional<std::uint8_t> AsByte(std::uint32_t value) {
    if (value > 0xFFu) {
        return std::nullopt;
    }
    return static_cast<std::uint8_t>(value);
}

std::optional<std::uint8_t> ScanCodeOf(std::uint8_t virtualKey, KeyboardEvents& keyboard) {
    return AsByte(keyboard.MapVirtualKey(virtualKey, KeyboardEvents::kVirtualKeyToScanCode));
}

struct KeyStroke {
    std::uint8_t virtualKey;
    std::uint8_t scanCode;
};

void Press(const KeyStroke& key, KeyboardEvents& keyboard) {
    keyboard.KeyEvent(key.virtualKey, key.scanCode, 0, 0);
}

void Release(const KeyStroke& key, KeyboardEvents& keyboard) {
    keyboard.KeyEvent(key.virtualKey, key.scanCode, KeyboardEvents::kKeyUp, 0);
}

}  // namespace

std::expected<void, SendKeyError> SendKey(std::string& keyText, std::int16_t& modifier,
                                          KeyboardEvents& keyboard) {
    if (keyText.starts_with('+')) {
        modifier = kShiftKey;
        keyText.erase(0, 1);
    }
    if (keyText.empty()) {
        return std::unexpected(SendKeyError::InvalidArgument);
    }

    std::uint8_t virtualKey = 0;
    if (keyText.front() == '{') {
        virtualKey = NamedKeyCode(keyText);
    } else if (keyText.front() == '%') {
        virtualKey = KeyOfCharacter(keyText.back(), keyboard);
        modifier = kAltKey;
    } else {
        virtualKey = KeyOfCharacter(keyText.front(), keyboard);
    }

    // Every code is checked before the first event, so that a failure never leaves a key down.
    const auto scanCode = ScanCodeOf(virtualKey, keyboard);
    if (!scanCode) {
        return std::unexpected(SendKeyError::Overflow);
    }
    const KeyStroke key{virtualKey, *scanCode};

    std::optional<KeyStroke> heldKey;
    if (modifier > 0) {
        const auto modifierKey = AsByte(static_cast<std::uint32_t>(modifier));
        const auto modifierScanCode =
            modifierKey ? ScanCodeOf(*modifierKey, keyboard) : std::nullopt;
        if (!modifierScanCode) {
            return std::unexpected(SendKeyError::Overflow);
        }
        heldKey = KeyStroke{*modifierKey, *modifierScanCode};
    }

    if (heldKey) {
        Press(*heldKey, keyboard);
    }
    Press(key, keyboard);
    Release(key, keyboard);
    if (heldKey) {
        Release(*heldKey, keyboard);
    }
    return {};
}

}  // namespace verbalo
