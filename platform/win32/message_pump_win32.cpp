#include "platform/win32/message_pump_win32.h"

#include <windows.h>

namespace verbalo::platform::win32 {

void Win32MessagePump::ProcessPendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace verbalo::platform::win32
