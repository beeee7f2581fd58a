#pragma once

#include "platform/keyboard_events.h"

namespace verbalo::platform::win32 {

// The keyboard services of user32: VkKeyScanA, MapVirtualKeyA and keybd_event.
//
// <windows.h> defines VkKeyScan and MapVirtualKey as macros: a file that includes it after this
// header and calls these members must #undef them first.
class Win32KeyboardEvents final : public KeyboardEvents {
  public:
    std::int16_t VkKeyScan(char ansiCharacter) override;
    std::uint32_t MapVirtualKey(std::uint32_t code, std::uint32_t mapType) override;
    void KeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags,
                  std::uintptr_t extraInfo) override;
};

}  // namespace verbalo::platform::win32
