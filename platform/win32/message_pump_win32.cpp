#include "platform/win32/message_pump_win32.h"

#include <windows.h>

#include <cwchar>

namespace verbalo::platform::win32 {
namespace {

// The window class the dialog manager gives its dialogs.
bool IsDialog(HWND window) {
    wchar_t name[8] = {};
    return window != nullptr && GetClassNameW(window, name, 8) > 0 &&
           std::wcscmp(name, L"#32770") == 0;
}

}  // namespace

void Win32MessagePump::ProcessPendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        const HWND active = GetActiveWindow();
        if (IsDialog(active) && IsDialogMessageW(active, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace verbalo::platform::win32
