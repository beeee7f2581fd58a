#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace verbalo::ui::win32 {

// What a child control is made of: its window class, text and styles; WS_CHILD, WS_VISIBLE and
// WS_CLIPSIBLINGS come with every control.
struct ChildControlLook {
    const wchar_t* className;
    std::string_view text;
    DWORD style = 0;
    DWORD exStyle = 0;
};

// A control of any class in the parent's client area; the layout places it and gives its font.
HWND CreateChildControl(HINSTANCE instance, HWND parent, int id, const ChildControlLook& look);

// A label that is not shown. The accessibility proxies name a control that has no text of its
// own by the static control just before it in z-order, a hidden one too: created right before
// such a control, this label gives it its name. The name ends in a colon, as a label's does.
HWND CreateInvisibleLabel(HINSTANCE instance, HWND parent, std::string_view name);

// The text of a window or control.
std::wstring WindowTextOf(HWND window);

}  // namespace verbalo::ui::win32
