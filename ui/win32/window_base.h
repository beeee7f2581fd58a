#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

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

// A window's icons, the large and the small image of one icon resource of the program.
inline void SetIcons(HWND window, HINSTANCE instance, int iconId) {
    const auto image = [&](int metric) {
        const int pixels = GetSystemMetrics(metric);
        return reinterpret_cast<LPARAM>(
            LoadImageW(instance, MAKEINTRESOURCEW(iconId), IMAGE_ICON, pixels, pixels, LR_SHARED));
    };
    SendMessageW(window, WM_SETICON, ICON_BIG, image(SM_CXICON));
    SendMessageW(window, WM_SETICON, ICON_SMALL, image(SM_CXSMICON));
}

// A window's handle as the portable code keeps it.
inline std::uintptr_t HandleOf(HWND window) {
    return reinterpret_cast<std::uintptr_t>(window);
}

// The text of a window or control.
inline std::wstring WindowTextOf(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

// Binds a C++ object to its window at WM_NCCREATE and hands every later message to the
// object's HandleMessage. No exception crosses into user32: one that reaches the edge is
// stopped there, and the message gets the result of AfterException, never its default handling
// on top of a handler that failed half-way. A window that owes a message more even then (the
// main window ends the program on WM_DESTROY) declares its own AfterException. Whatever the
// handler does, nothing points at the window once WM_NCDESTROY is over.
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
        LRESULT result = 0;
        try {
            result = self->HandleMessage(message, wParam, lParam);
        } catch (...) {
            result = self->AfterException(message);
        }
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
        }
        return result;
    }

    LRESULT AfterException(UINT message) noexcept { return ResultAfterException(hwnd_, message); }

    HWND hwnd_ = nullptr;
};

// The same for a dialog of the dialog manager: the object is bound at WM_INITDIALOG (its
// lParam), and HandleMessage returns what a dialog procedure returns: TRUE for a message it
// handled (the result, where the message has one, in DWLP_MSGRESULT), FALSE for the dialog
// manager's own handling. After an exception the message counts as handled with the result of
// ResultAfterException; a dialog whose load failed has its own AfterException end it.
template <class Derived>
class DialogBase {
  public:
    HWND hwnd() const { return hwnd_; }
    bool IsLoaded() const { return hwnd_ != nullptr; }

  protected:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept {
        Derived* self = nullptr;
        if (message == WM_INITDIALOG) {
            self = reinterpret_cast<Derived*>(lParam);
            SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
            self->hwnd_ = dialog;
        } else {
            self = reinterpret_cast<Derived*>(GetWindowLongPtrW(dialog, DWLP_USER));
        }
        if (self == nullptr) {
            return FALSE;
        }
        INT_PTR result = FALSE;
        try {
            result = self->HandleMessage(message, wParam, lParam);
        } catch (...) {
            result = self->AfterException(message);
        }
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(dialog, DWLP_USER, 0);
            self->hwnd_ = nullptr;
        }
        return result;
    }

    INT_PTR AfterException(UINT message) noexcept {
        SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, ResultAfterException(hwnd_, message));
        return TRUE;
    }

    // A message handled, with its result.
    INT_PTR Handled(LRESULT result) const {
        SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
        return TRUE;
    }

    HWND hwnd_ = nullptr;
};

}  // namespace verbalo::ui::win32
