#pragma once

#include "platform/message_pump.h"

namespace verbalo::platform::win32 {

// Dispatches the messages waiting for this thread. The active window's dialog keys work (Tab,
// access keys, Enter and Esc) when it is a dialog: the window shown modally whose long task
// called this. A WM_QUIT met here is posted again, so that the main message loop still ends the
// program.
class Win32MessagePump : public MessagePump {
  public:
    void ProcessPendingMessages() override;
};

}  // namespace verbalo::platform::win32
