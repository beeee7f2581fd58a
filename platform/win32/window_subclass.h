#pragma once

#include <windows.h>
// After windows.h, which it builds on.
#include <commctrl.h>

#include <functional>

namespace verbalo::platform::win32 {

// Routes a control's messages through a function for as long as the object lives. The
// function returns true when it has handled the message (result set), false to let the
// control handle it. No exception crosses into user32.
class WindowSubclass {
  public:
    using Handler =
        std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

    WindowSubclass(HWND control, Handler handler)
        : control_(control), handler_(std::move(handler)) {
        SetWindowSubclass(control_, &WindowSubclass::Procedure, kSubclassId,
                          reinterpret_cast<DWORD_PTR>(this));
    }
    ~WindowSubclass() {
        if (control_ != nullptr && IsWindow(control_)) {
            RemoveWindowSubclass(control_, &WindowSubclass::Procedure, kSubclassId);
        }
    }
    WindowSubclass(const WindowSubclass&) = delete;
    WindowSubclass& operator=(const WindowSubclass&) = delete;

    // Calls the control's own handling of a message, from inside the handler.
    static LRESULT CallControl(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
        return DefSubclassProc(control, message, wParam, lParam);
    }

  private:
    static constexpr UINT_PTR kSubclassId = 1;

    static LRESULT CALLBACK Procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR data) noexcept {
        auto* self = reinterpret_cast<WindowSubclass*>(data);
        try {
            LRESULT result = 0;
            if (self->handler_(message, wParam, lParam, result)) {
                return result;
            }
        } catch (...) {
        }
        return DefSubclassProc(control, message, wParam, lParam);
    }

    HWND control_;
    Handler handler_;
};

}  // namespace verbalo::platform::win32
