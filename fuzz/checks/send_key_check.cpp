#include <string>

#include "fuzz/checks/fuzz_checks.h"
#include "fuzz/checks/require.h"
#include "keys/send_key.h"
#include "platform/fakes/fake_keyboard_events.h"

namespace verbalo::fuzz {

void CheckSendKey(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return;
    }
    auto modifier = static_cast<std::int16_t>(data[0] | (data[1] << 8));
    std::string keyText(reinterpret_cast<const char*>(data + 2), size - 2);
    static platform::FakeKeyboardEvents keyboard;
    keyboard.events.clear();

    const auto sent = SendKey(keyText, modifier, keyboard);

    const auto& events = keyboard.events;
    Require(events.size() <= 4, "never more than four events");
    Require(sent ? events.size() == 2 || events.size() == 4 : events.empty(),
            "a key sent is two or four events, a failure none");
    for (std::size_t i = 0; i < events.size() / 2; ++i) {
        const auto& down = events[i];
        const auto& up = events[events.size() - 1 - i];
        Require(down.flags == 0 && up.flags == platform::KeyboardEvents::kKeyUp &&
                    down.virtualKey == up.virtualKey && down.scanCode == up.scanCode,
                "every key pressed is released, the last pressed first");
    }
}

}  // namespace verbalo::fuzz
