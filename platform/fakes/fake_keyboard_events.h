#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "platform/keyboard_events.h"

namespace verbalo::platform {

// Records the keyboard events instead of sending them. The lookups answer as a US keyboard
// layout would: VkKeyScan gives the key and the shift state of letters, digits, blanks and the
// usual symbols (-1 for anything else); MapVirtualKey gives the keys' set-1 scan codes (0 for
// an unknown key). Both tables are public, so that a test can change a layout.
class FakeKeyboardEvents : public KeyboardEvents {
  public:
    static constexpr std::int16_t kWithShift = 0x100;

    struct Event {
        std::uint8_t virtualKey;
        std::uint8_t scanCode;
        std::uint32_t flags;
        std::uintptr_t extraInfo;

        friend bool operator==(const Event&, const Event&) = default;
    };

    std::int16_t VkKeyScan(char ansiCharacter) override {
        scannedCharacters.push_back(ansiCharacter);
        const auto found = layout.find(ansiCharacter);
        return found == layout.end() ? std::int16_t{-1} : found->second;
    }

    std::uint32_t MapVirtualKey(std::uint32_t code, std::uint32_t mapType) override {
        if (mapType != kVirtualKeyToScanCode) {
            return 0;
        }
        const auto found = scanCodes.find(code);
        return found == scanCodes.end() ? 0 : found->second;
    }

    void KeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags,
                  std::uintptr_t extraInfo) override {
        events.push_back({virtualKey, scanCode, flags, extraInfo});
    }

    static std::map<char, std::int16_t> UsLayout() {
        std::map<char, std::int16_t> keys;
        for (char letter = 'a'; letter <= 'z'; ++letter) {
            const auto key = static_cast<std::int16_t>(letter - 'a' + 'A');
            keys[letter] = key;
            keys[static_cast<char>(key)] = static_cast<std::int16_t>(key | kWithShift);
        }
        for (char digit = '0'; digit <= '9'; ++digit) {
            keys[digit] = digit;
        }
        const char* const shiftedDigits = ")!@#$%^&*(";
        for (int digit = 0; digit <= 9; ++digit) {
            keys[shiftedDigits[digit]] = static_cast<std::int16_t>(('0' + digit) | kWithShift);
        }
        keys[' '] = 0x20;
        keys['\t'] = 0x09;
        keys['\r'] = 0x0D;
        keys['\b'] = 0x08;
        keys['\x1B'] = 0x1B;
        const struct {
            char plain;
            char shifted;
            std::int16_t key;
        } oemKeys[] = {{';', ':', 0xBA},  {'=', '+', 0xBB}, {',', '<', 0xBC}, {'-', '_', 0xBD},
                       {'.', '>', 0xBE},  {'/', '?', 0xBF}, {'`', '~', 0xC0}, {'[', '{', 0xDB},
                       {'\\', '|', 0xDC}, {']', '}', 0xDD}, {'\'', '"', 0xDE}};
        for (const auto& oem : oemKeys) {
            keys[oem.plain] = oem.key;
            keys[oem.shifted] = static_cast<std::int16_t>(oem.key | kWithShift);
        }
        return keys;
    }

    static std::map<std::uint32_t, std::uint32_t> UsScanCodes() {
        std::map<std::uint32_t, std::uint32_t> codes = {
            {0x08, 0x0E}, {0x09, 0x0F}, {0x0D, 0x1C}, {0x10, 0x2A}, {0x11, 0x1D}, {0x12, 0x38},
            {0x1B, 0x01}, {0x20, 0x39}, {0x21, 0x49}, {0x22, 0x51}, {0x23, 0x4F}, {0x24, 0x47},
            {0x25, 0x4B}, {0x26, 0x48}, {0x27, 0x4D}, {0x28, 0x50}, {0xBA, 0x27}, {0xBB, 0x0D},
            {0xBC, 0x33}, {0xBD, 0x0C}, {0xBE, 0x34}, {0xBF, 0x35}, {0xC0, 0x29}, {0xDB, 0x1A},
            {0xDC, 0x2B}, {0xDD, 0x1B}, {0xDE, 0x28}};
        const char* const letterRows[] = {"QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
        const std::uint32_t rowStarts[] = {0x10, 0x1E, 0x2C};
        for (int row = 0; row < 3; ++row) {
            std::uint32_t scanCode = rowStarts[row];
            for (const char* letter = letterRows[row]; *letter != '\0'; ++letter) {
                codes[static_cast<std::uint32_t>(*letter)] = scanCode++;
            }
        }
        for (std::uint32_t digit = 1; digit <= 9; ++digit) {
            codes['0' + digit] = 0x01 + digit;
        }
        codes['0'] = 0x0B;
        return codes;
    }

    std::map<char, std::int16_t> layout = UsLayout();
    std::map<std::uint32_t, std::uint32_t> scanCodes = UsScanCodes();
    std::vector<Event> events;
    std::vector<char> scannedCharacters;  // every character asked of VkKeyScan, in order
};

}  // namespace verbalo::platform
