#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "resources/layout_rect.h"
#include "ui/win32/twips.h"

namespace verbalo::ui::win32 {

// A control's rectangle in its container's client pixels.
RECT PixelRect(const TwipsScale& scale, const window_layout::ControlRect& rect);

// What a child control is made of: its window class, text and styles; WS_CHILD and WS_VISIBLE
// come with every control.
struct ChildControlLook {
    const wchar_t* className;
    std::string_view text;
    DWORD style = 0;
    DWORD exStyle = 0;
};

// A control of any class, in the parent's client pixels, with its font.
HWND CreateChildControl(HINSTANCE instance, HWND parent, int id, const ChildControlLook& look,
                        const RECT& rect, HFONT font);

// A label: a static control that shows its text transparently on its container and takes the
// pointer's messages itself (SS_NOTIFY), so that they never reach the container. "&" marks an
// access key and "&&" shows one "&". align: SS_LEFT, SS_CENTER or SS_RIGHT.
HWND CreateLabel(HINSTANCE instance, HWND parent, int id, std::string_view text, DWORD align,
                 const RECT& rect, HFONT font);

// A label that is not shown. The accessibility proxies name a control that has no text of its
// own by the static control just before it in z-order, a hidden one too: created right before
// such a control, this label gives it its name. The name ends in a colon, as a label's does.
HWND CreateInvisibleLabel(HINSTANCE instance, HWND parent, std::string_view name);

// A push button that takes the focus in the tab order.
HWND CreatePushButton(HINSTANCE instance, HWND parent, int id, std::string_view caption, DWORD kind,
                      const RECT& rect, HFONT font);

// The text of a window or control.
std::wstring WindowTextOf(HWND window);

}  // namespace verbalo::ui::win32
