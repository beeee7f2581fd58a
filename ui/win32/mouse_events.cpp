#include "ui/win32/mouse_events.h"

#include <windowsx.h>

#include <utility>

namespace verbalo::ui::win32 {
namespace {

constexpr std::int16_t kLeftButton = 1;
constexpr std::int16_t kRightButton = 2;
constexpr std::int16_t kMiddleButton = 4;
constexpr std::int16_t kShiftKey = 1;
constexpr std::int16_t kCtrlKey = 2;
constexpr std::int16_t kAltKey = 4;

std::int16_t ShiftState(WPARAM keys) {
    std::int16_t shift = 0;
    if ((keys & MK_SHIFT) != 0) {
        shift |= kShiftKey;
    }
    if ((keys & MK_CONTROL) != 0) {
        shift |= kCtrlKey;
    }
    if (GetKeyState(VK_MENU) < 0) {
        shift |= kAltKey;
    }
    return shift;
}

std::int16_t HeldButtons(WPARAM keys) {
    std::int16_t buttons = 0;
    if ((keys & MK_LBUTTON) != 0) {
        buttons |= kLeftButton;
    }
    if ((keys & MK_RBUTTON) != 0) {
        buttons |= kRightButton;
    }
    if ((keys & MK_MBUTTON) != 0) {
        buttons |= kMiddleButton;
    }
    return buttons;
}

MouseEvent EventAt(std::int16_t button, WPARAM keys, LPARAM position, const TwipsScale& scale) {
    return {button, ShiftState(keys), static_cast<float>(scale.ToTwips(GET_X_LPARAM(position))),
            static_cast<float>(scale.ToTwips(GET_Y_LPARAM(position)))};
}

}  // namespace

MouseEvent MouseMoveEvent(WPARAM keys, int x, int y, const TwipsScale& scale) {
    return {HeldButtons(keys), ShiftState(keys), static_cast<float>(scale.ToTwips(x)),
            static_cast<float>(scale.ToTwips(y))};
}

ControlMouseEvents::ControlMouseEvents(HWND control, const TwipsScale& scale, Handler onMove,
                                       Handler onDown)
    : scale_(scale), onMove_(std::move(onMove)), onDown_(std::move(onDown)) {
    subclass_ = std::make_unique<WindowSubclass>(
        control, [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT&) {
            return Handle(message, wParam, lParam);
        });
}

bool ControlMouseEvents::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_MOUSEMOVE:
            if (onMove_) {
                onMove_(EventAt(HeldButtons(wParam), wParam, lParam, scale_));
            }
            return false;
        case WM_LBUTTONDOWN:
            if (onDown_) {
                onDown_(EventAt(kLeftButton, wParam, lParam, scale_));
            }
            return false;
        case WM_RBUTTONDOWN:
            if (onDown_) {
                onDown_(EventAt(kRightButton, wParam, lParam, scale_));
            }
            return false;
        case WM_MBUTTONDOWN:
            if (onDown_) {
                onDown_(EventAt(kMiddleButton, wParam, lParam, scale_));
            }
            return false;
        default:
            return false;
    }
}

}  // namespace verbalo::ui::win32
