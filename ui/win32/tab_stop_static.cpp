#include "ui/win32/tab_stop_static.h"

namespace verbalo::ui::win32 {
namespace {

// A key that went down now, not one the keyboard repeats.
bool FirstPress(LPARAM lParam) {
    return (static_cast<DWORD>(lParam) & (1u << 30)) == 0;
}

// Whether the window shows the focus rectangle, by its keyboard-cue state (WM_QUERYUISTATE).
bool ShowsFocusCue(HWND window) {
    return (SendMessageW(window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0;
}

}  // namespace

TabStopStatic::TabStopStatic(HWND control, std::function<void()> open)
    : control_(control), open_(std::move(open)) {
    subclass_ = std::make_unique<WindowSubclass>(
        control_, [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
            return Handle(message, wParam, lParam, result);
        });
}

bool TabStopStatic::Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_GETDLGCODE: {
            // Enter and Space come to a link, not to the window's default command.
            const auto* key = reinterpret_cast<const MSG*>(lParam);
            result = WindowSubclass::CallControl(control_, message, wParam, lParam);
            if (key != nullptr && key->message == WM_KEYDOWN && Opens(key->wParam)) {
                result |= DLGC_WANTMESSAGE;
            }
            return true;
        }
        case WM_KEYDOWN:
            if (!Opens(wParam)) {
                return false;
            }
            if (FirstPress(lParam)) {
                open_();
            }
            result = 0;
            return true;
        case WM_CHAR:
            result = 0;
            return open_ && (wParam == L'\r' || wParam == L' ');
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(control_, nullptr, TRUE);
            return false;
        case WM_UPDATEUISTATE:
            result = WindowSubclass::CallControl(control_, message, wParam, lParam);
            InvalidateRect(control_, nullptr, TRUE);
            return true;
        case WM_PAINT:
            PaintWithFocus(message, wParam, lParam, result);
            return true;
        default:
            return false;
    }
}

// The control paints itself whole, then the focus rectangle goes around it.
void TabStopStatic::PaintWithFocus(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    const bool focused = GetFocus() == control_ && ShowsFocusCue(control_);
    if (focused) {
        InvalidateRect(control_, nullptr, FALSE);
    }
    result = WindowSubclass::CallControl(control_, message, wParam, lParam);
    if (focused) {
        RECT client{};
        GetClientRect(control_, &client);
        const HDC dc = GetDC(control_);
        DrawFocusRect(dc, &client);
        ReleaseDC(control_, dc);
    }
}

}  // namespace verbalo::ui::win32
