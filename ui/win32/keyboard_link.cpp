#include "ui/win32/keyboard_link.h"

namespace verbalo::ui::win32 {
namespace {

bool OpensLink(WPARAM key) {
    return key == VK_RETURN || key == VK_SPACE;
}

// A key that went down now, not one the keyboard repeats.
bool FirstPress(LPARAM lParam) {
    return (static_cast<DWORD>(lParam) & (1u << 30)) == 0;
}

}  // namespace

bool ShowsFocusCue(HWND window) {
    return (SendMessageW(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0;
}

KeyboardLink::KeyboardLink(HWND label, std::function<void()> open)
    : label_(label), open_(std::move(open)) {
    SetWindowLongPtrW(label_, GWL_STYLE, GetWindowLongPtrW(label_, GWL_STYLE) | WS_TABSTOP);
    subclass_ = std::make_unique<WindowSubclass>(
        label_, [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
            return Handle(message, wParam, lParam, result);
        });
}

bool KeyboardLink::Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_GETDLGCODE: {
            // Enter and Space come to the link, not to the window's default command.
            const auto* key = reinterpret_cast<const MSG*>(lParam);
            result = WindowSubclass::CallControl(label_, message, wParam, lParam);
            if (key != nullptr && key->message == WM_KEYDOWN && OpensLink(key->wParam)) {
                result |= DLGC_WANTMESSAGE;
            }
            return true;
        }
        case WM_KEYDOWN:
            if (!OpensLink(wParam)) {
                return false;
            }
            if (FirstPress(lParam)) {
                open_();
            }
            result = 0;
            return true;
        case WM_CHAR:
            result = 0;
            return wParam == L'\r' || wParam == L' ';
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(label_, nullptr, TRUE);
            return false;
        case WM_UPDATEUISTATE:
            result = WindowSubclass::CallControl(label_, message, wParam, lParam);
            InvalidateRect(label_, nullptr, TRUE);
            return true;
        case WM_PAINT:
            PaintWithFocus(message, wParam, lParam, result);
            return true;
        default:
            return false;
    }
}

// The label paints itself whole, then the focus rectangle goes around it.
void KeyboardLink::PaintWithFocus(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    const bool focused = GetFocus() == label_ && ShowsFocusCue(label_);
    if (focused) {
        InvalidateRect(label_, nullptr, FALSE);
    }
    result = WindowSubclass::CallControl(label_, message, wParam, lParam);
    if (focused) {
        RECT client{};
        GetClientRect(label_, &client);
        const HDC dc = GetDC(label_);
        DrawFocusRect(dc, &client);
        ReleaseDC(label_, dc);
    }
}

}  // namespace verbalo::ui::win32
