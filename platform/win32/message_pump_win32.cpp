#include "platform/win32/message_pump_win32.h"

#include <windows.h>

#include "platform/win32/dialog_message_dispatch.h"

namespace verbalo::platform::win32 {

void Win32MessagePump::ProcessPendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        DispatchThreadMessage(message);
    }
}

}  // namespace verbalo::platform::win32
