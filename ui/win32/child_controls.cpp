#include "ui/win32/child_controls.h"

#include "platform/win32/text_conversion.h"

namespace verbalo::ui::win32 {

using platform::win32::Utf8ToWide;

HWND CreateChildControl(HINSTANCE instance, HWND parent, int id, const ChildControlLook& look) {
    return CreateWindowExW(look.exStyle, look.className, Utf8ToWide(look.text).c_str(),
                           WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | look.style, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

HWND CreateInvisibleLabel(HINSTANCE instance, HWND parent, std::string_view name) {
    constexpr INT_PTR kNoId = -1;
    return CreateWindowExW(0, L"STATIC", Utf8ToWide(name).c_str(), WS_CHILD | SS_LEFT | SS_NOPREFIX,
                           0, 0, 0, 0, parent, reinterpret_cast<HMENU>(kNoId), instance, nullptr);
}

std::wstring WindowTextOf(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

}  // namespace verbalo::ui::win32
