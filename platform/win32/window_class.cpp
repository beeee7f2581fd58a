#include "platform/win32/window_class.h"

namespace verbalo::platform::win32 {

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

}  // namespace verbalo::platform::win32
