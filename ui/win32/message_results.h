#pragma once

#include <windows.h>

namespace verbalo::ui::win32 {

// What a message is owed when its handler threw, so that the system is left in a defined state:
// a window whose WM_NCCREATE or WM_CREATE failed is not created (CreateWindowEx returns NULL);
// a WM_PAINT is validated, or it would come back at once; every other message counts as
// handled (0), so that no half-handled message gets the default handling on top: a character
// is not inserted, a key is not acted on.
inline LRESULT ResultAfterException(HWND window, UINT message) noexcept {
    switch (message) {
        case WM_NCCREATE:
            return FALSE;
        case WM_CREATE:
            return -1;
        case WM_PAINT:
            ValidateRect(window, nullptr);
            return 0;
        default:
            return 0;
    }
}

}  // namespace verbalo::ui::win32
