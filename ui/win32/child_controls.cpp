#include "ui/win32/child_controls.h"

#include "platform/win32/text_conversion.h"

namespace verbalo::ui::win32 {

using platform::win32::Utf8ToWide;
namespace {

HWND CreateChild(HINSTANCE instance, HWND parent, int id, const wchar_t* className,
                 std::string_view text, DWORD style, const RECT& rect, HFONT font) {
    return CreateChildControl(instance, parent, id, {className, text, WS_CLIPSIBLINGS | style},
                              rect, font);
}

}  // namespace

HWND CreateChildControl(HINSTANCE instance, HWND parent, int id, const ChildControlLook& look,
                        const RECT& rect, HFONT font) {
    const HWND control =
        CreateWindowExW(look.exStyle, look.className, Utf8ToWide(look.text).c_str(),
                        WS_CHILD | WS_VISIBLE | look.style, rect.left, rect.top,
                        rect.right - rect.left, rect.bottom - rect.top, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

RECT PixelRect(const TwipsScale& scale, const window_layout::ControlRect& rect) {
    const int left = scale.ToPixels(rect.left);
    const int top = scale.ToPixels(rect.top);
    return {left, top, left + scale.ToPixels(rect.width), top + scale.ToPixels(rect.height)};
}

HWND CreateLabel(HINSTANCE instance, HWND parent, int id, std::string_view text, DWORD align,
                 const RECT& rect, HFONT font) {
    return CreateChild(instance, parent, id, L"STATIC", text, align | SS_NOTIFY, rect, font);
}

HWND CreateInvisibleLabel(HINSTANCE instance, HWND parent, std::string_view name) {
    constexpr INT_PTR kNoId = -1;
    return CreateWindowExW(0, L"STATIC", Utf8ToWide(name).c_str(), WS_CHILD | SS_LEFT | SS_NOPREFIX,
                           0, 0, 0, 0, parent, reinterpret_cast<HMENU>(kNoId), instance, nullptr);
}

HWND CreatePushButton(HINSTANCE instance, HWND parent, int id, std::string_view caption, DWORD kind,
                      const RECT& rect, HFONT font) {
    return CreateChild(instance, parent, id, L"BUTTON", caption, kind | WS_TABSTOP, rect, font);
}

std::wstring WindowTextOf(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

}  // namespace verbalo::ui::win32
