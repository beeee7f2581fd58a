#pragma once

#include <functional>

#include "platform/message_pump.h"

namespace verbalo::platform {

class FakeMessagePump : public MessagePump {
  public:
    void ProcessPendingMessages() override {
        ++calls;
        if (onPump) {
            onPump();
        }
    }

    int calls = 0;
    std::function<void()> onPump;  // input that arrives while messages are processed
};

}  // namespace verbalo::platform
