#pragma once

#include <windows.h>

#include "ui/win32/message_results.h"

namespace verbalo::ui::win32 {

// Binds a C++ object to its window at WM_NCCREATE and hands every later message to the
// object's HandleMessage. No exception crosses into user32: one that reaches the edge is
// stopped there, and the message gets the result of AfterException, never its default handling
// on top of a handler that failed half-way. A window that owes a message more even then (the
// main window ends the program on WM_DESTROY) declares its own AfterException.
template <class Derived>
class BaseWindow {
  public:
    HWND hwnd() const { return hwnd_; }

  protected:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept {
        Derived* self = nullptr;
        if (message == WM_NCCREATE) {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            self = static_cast<Derived*>(create->lpCreateParams);
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
            self->hwnd_ = hwnd;
        } else {
            self = reinterpret_cast<Derived*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        }
        if (self == nullptr) {
            return DefWindowProcW(hwnd, message, wParam, lParam);
        }
        try {
            const LRESULT result = self->HandleMessage(message, wParam, lParam);
            if (message == WM_NCDESTROY) {
                SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
                self->hwnd_ = nullptr;
            }
            return result;
        } catch (...) {
            return self->AfterException(message);
        }
    }

    LRESULT AfterException(UINT message) noexcept { return ResultAfterException(hwnd_, message); }

    HWND hwnd_ = nullptr;
};

}  // namespace verbalo::ui::win32
