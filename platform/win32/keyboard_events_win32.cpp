#include "platform/win32/keyboard_events_win32.h"

#include <windows.h>

// The members are named after the services, which <windows.h> maps to their W or A forms.
#undef VkKeyScan
#undef MapVirtualKey

namespace verbalo::platform::win32 {

std::int16_t Win32KeyboardEvents::VkKeyScan(char ansiCharacter) {
    return ::VkKeyScanA(ansiCharacter);
}

std::uint32_t Win32KeyboardEvents::MapVirtualKey(std::uint32_t code, std::uint32_t mapType) {
    return ::MapVirtualKeyA(code, mapType);
}

void Win32KeyboardEvents::KeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode,
                                   std::uint32_t flags, std::uintptr_t extraInfo) {
    ::keybd_event(virtualKey, scanCode, flags, extraInfo);
}

}  // namespace verbalo::platform::win32
