#pragma once

#include <windows.h>

namespace verbalo::platform::win32 {

// What a window class of the program needs: its name, procedure, icon and background.
struct WindowClassDescription {
    const wchar_t* name;
    WNDPROC procedure;
    HICON icon = nullptr;
    HBRUSH background = nullptr;  // none: the window paints its own background
    const wchar_t* menu = nullptr;
};

// Registers the class unless the program already has one of that name.
void RegisterWindowClassOnce(HINSTANCE instance, const WindowClassDescription& description);

}  // namespace verbalo::platform::win32
