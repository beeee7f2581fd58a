#pragma once

namespace verbalo::platform {

// Lets a long task on the user-interface thread keep the windows alive.
class MessagePump {
  public:
    virtual ~MessagePump() = default;

    // Handles the window messages already waiting for the program's thread, then returns.
    virtual void ProcessPendingMessages() = 0;
};

}  // namespace verbalo::platform
