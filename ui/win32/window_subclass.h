#pragma once

#include <windows.h>
// After windows.h, which it builds on.
#include <commctrl.h>

#include <cstdint>
#include <functional>

#include "ui/win32/window_base.h"

namespace verbalo::ui::win32 {

// Routes a control's messages through a function for as long as the object lives, or until the
// control is destroyed: the subclass removes itself on WM_NCDESTROY, as comctl32 asks. Each
// object subclasses with an ID of its own (its address), so that two of them on one control
// both stay in the chain. The function returns true when it has handled the message (result
// set), false to let the control handle it. No exception crosses into user32: a message whose
// handler threw gets ResultAfterException, not the control's own handling.
class WindowSubclass {
  public:
    using Handler =
        std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

    WindowSubclass(HWND control, Handler handler)
        : control_(control), handler_(std::move(handler)) {
        if (SetWindowSubclass(control_, &WindowSubclass::Procedure, Id(),
                              reinterpret_cast<DWORD_PTR>(this)) == FALSE) {
            control_ = nullptr;
        }
    }
    ~WindowSubclass() { Detach(); }
    WindowSubclass(const WindowSubclass&) = delete;
    WindowSubclass& operator=(const WindowSubclass&) = delete;

    // Still in the control's chain: false once the control has been destroyed.
    bool attached() const { return control_ != nullptr; }

    // Calls the control's own handling of a message, from inside the handler.
    static LRESULT CallControl(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
        return DefSubclassProc(control, message, wParam, lParam);
    }

  private:
    UINT_PTR Id() const { return reinterpret_cast<UINT_PTR>(this); }

    void Detach() noexcept {
        if (control_ != nullptr) {
            RemoveWindowSubclass(control_, &WindowSubclass::Procedure, Id());
            control_ = nullptr;
        }
    }

    static LRESULT CALLBACK Procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR data) noexcept {
        auto* self = reinterpret_cast<WindowSubclass*>(data);
        if (message == WM_NCDESTROY) {
            self->Detach();
            return DefSubclassProc(control, message, wParam, lParam);
        }
        try {
            LRESULT result = 0;
            if (self->handler_(message, wParam, lParam, result)) {
                return result;
            }
        } catch (...) {
            return ResultAfterException(control, message);
        }
        return DefSubclassProc(control, message, wParam, lParam);
    }

    HWND control_;
    Handler handler_;
};

}  // namespace verbalo::ui::win32
