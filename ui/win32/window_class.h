#pragma once

#include <windows.h>

namespace verbalo::ui::win32 {

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

// What a top-level window's frame holds besides caption and borders, and where it opens.
struct WindowFrame {
    bool hasMenu = false;       // the class's menu bar, above the client area
    bool systemPlaces = false;  // the system chooses the first position; otherwise 0, 0
};

// Creates a top-level window of a registered class whose client area has the given size in
// pixels; the window object is handed to WM_NCCREATE. Null when it could not be created.
HWND CreateWindowForClientSize(HINSTANCE instance, const wchar_t* className, const wchar_t* caption,
                               DWORD style, DWORD exStyle, int clientWidth, int clientHeight,
                               HWND owner, void* window, const WindowFrame& frame = {});

}  // namespace verbalo::ui::win32
