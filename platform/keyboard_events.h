#pragma once

#include <cstdint>

namespace verbalo::platform {

// The keyboard services of user32 that the keystroke sender needs.
class KeyboardEvents {
  public:
    static constexpr std::uint32_t kKeyUp = 2;                 // KEYEVENTF_KEYUP
    static constexpr std::uint32_t kVirtualKeyToScanCode = 0;  // MAPVK_VK_TO_VSC

    virtual ~KeyboardEvents() = default;

    // VkKeyScanA: low byte the virtual-key code, high byte the shift state; -1 for no key.
    virtual std::int16_t VkKeyScan(char ansiCharacter) = 0;
    // MapVirtualKeyA.
    virtual std::uint32_t MapVirtualKey(std::uint32_t code, std::uint32_t mapType) = 0;
    // keybd_event: one key event into the system's input stream.
    virtual void KeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags,
                          std::uintptr_t extraInfo) = 0;
};

}  // namespace verbalo::platform
