#pragma once

#include <cstdint>
#include <expected>
#include <string>

#include "platform/keyboard_events.h"

namespace verbalo {

// Why SendKey sent nothing.
enum class SendKeyError {
    InvalidArgument,  // no character to send: the key text is empty, or only "+"
    Overflow,         // a key code or scan code that does not fit in a byte
};

// Virtual-key codes of the modifiers that the key notation sets.
inline constexpr std::int16_t kShiftKey = 16;  // VK_SHIFT, set by a "+" prefix
inline constexpr std::int16_t kAltKey = 18;    // VK_MENU, set by a "%" prefix

// Synthesises one key press, down and up, optionally inside a modifier held down and released.
//
// The key text is one plain character (only its first character counts), one of the names
// "{TAB}", "{HOME}", "{END}", "{UP}", "{RIGHT}", "{DOWN}", "{LEFT}", "{PGUP}", "{PGDN}" (matched
// against the whole text, exactly and with case; any other braced text sends key code 0), or
// "%" followed by characters, which sends the key of the last character with Alt. A leading "+"
// asks for Shift: it is removed from `keyText` and `modifier` becomes 16. A "%" text sets
// `modifier` to 18. A `modifier` above 0 is the virtual-key code held around the key; zero or
// negative means none. Only the key is sent for a character, never the shift state its layout
// needs. A character outside ASCII has no key on any layout known here and is sent as the
// "no key" code 255.
//
// Sends two events (key down, key up) or four (modifier down, key down, key up, modifier up).
// On an error no event has been sent; the "+" removal and the modifier 16 remain.
std::expected<void, SendKeyError> SendKey(std::string& keyText, std::int16_t& modifier,
                                          platform::KeyboardEvents& keyboard);

}  // namespace verbalo
