#include "ui/win32/window_class.h"

namespace verbalo::ui::win32 {

void RegisterWindowClassOnce(HINSTANCE instance, const WindowClassDescription& description) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(instance, description.name, &existing)) {
        return;
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = description.procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = description.icon;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = description.background;
    windowClass.lpszMenuName = description.menu;
    windowClass.lpszClassName = description.name;
    RegisterClassExW(&windowClass);
}

HWND CreateWindowForClientSize(HINSTANCE instance, const wchar_t* className, const wchar_t* caption,
                               DWORD style, DWORD exStyle, int clientWidth, int clientHeight,
                               HWND owner, void* window, const WindowFrame& frame) {
    RECT outer{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&outer, style, frame.hasMenu ? TRUE : FALSE, exStyle);
    const int position = frame.systemPlaces ? CW_USEDEFAULT : 0;
    return CreateWindowExW(exStyle, className, caption, style, position, position,
                           outer.right - outer.left, outer.bottom - outer.top, owner, nullptr,
                           instance, window);
}

}  // namespace verbalo::ui::win32
