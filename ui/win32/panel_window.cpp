#include "ui/win32/panel_window.h"

#include <windowsx.h>
#include "ui/win32/keyboard_link.h"
#include "ui/win32/window_class.h"

namespace verbalo::ui::win32 {
namespace {

constexpr wchar_t kClassName[] = L"VerbaloPanel";

void RegisterPanelClass(HINSTANCE instance, WNDPROC procedure) {
    RegisterWindowClassOnce(instance, {kClassName, procedure});
}

}  // namespace

PanelWindow::~PanelWindow() {
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
}

bool PanelWindow::Create(HINSTANCE instance, HWND parent, int id, const RECT& rect,
                         const Look& look) {
    RegisterPanelClass(instance, &PanelWindow::WindowProc);
    look_ = look;
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | (look.tabStop ? WS_TABSTOP : 0);
    // A panel that is no tab stop itself lends its controls to the parent's tab order (the
    // dialog keys step into a control parent and never stop on it).
    const DWORD exStyle = (look.tabStop ? 0 : WS_EX_CONTROLPARENT) |
                          (look.border == Border::Sunken ? WS_EX_CLIENTEDGE : 0);
    return CreateWindowExW(exStyle, kClassName, L"", style, rect.left, rect.top,
                           rect.right - rect.left, rect.bottom - rect.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                           this) != nullptr;
}

LRESULT PanelWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: {
            RECT client{};
            GetClientRect(hwnd_, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, look_.background());
            return 1;
        }
        case WM_PAINT:
            Paint();
            return 0;
        case WM_MOUSEMOVE:
            if (mouseMove_) {
                mouseMove_(wParam, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            }
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(hwnd_, nullptr, TRUE);  // the focus rectangle comes or goes
            return 0;
        case WM_UPDATEUISTATE: {
            const LRESULT result = DefWindowProcW(hwnd_, message, wParam, lParam);
            InvalidateRect(hwnd_, nullptr, TRUE);
            return result;
        }
        case WM_LBUTTONDOWN:
            if (look_.tabStop) {
                SetFocus(hwnd_);
            }
            return 0;
        case WM_COMMAND:
        case WM_DRAWITEM:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            // What the controls report belongs to the window that handles them.
            return SendMessageW(GetParent(hwnd_), message, wParam, lParam);
        default:
            return DefWindowProcW(hwnd_, message, wParam, lParam);
    }
}

void PanelWindow::Paint() {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(hwnd_, &paint);
    RECT client{};
    GetClientRect(hwnd_, &client);
    if (look_.border == Border::Etched) {
        RECT edge = client;
        DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);
    }
    if (paint_) {
        paint_(dc, client);
    }
    if (look_.tabStop && GetFocus() == hwnd_ && ShowsFocusCue(hwnd_)) {
        DrawFocusRect(dc, &client);
    }
    EndPaint(hwnd_, &paint);
}

}  // namespace verbalo::ui::win32
