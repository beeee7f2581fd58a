#include "ui/win32/control_colors.h"

#include <algorithm>

namespace verbalo::ui::win32 {

void ControlColors::Add(HWND control, std::optional<COLORREF> text, HBRUSH background) {
    entries_.push_back({control, text, background});
}

HBRUSH ControlColors::Apply(HWND control, HDC dc) const {
    const auto entry = std::ranges::find(entries_, control, &Entry::control);
    if (entry == entries_.end()) {
        return nullptr;
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, entry->text.value_or(GetSysColor(COLOR_BTNTEXT)));
    return entry->background;
}

}  // namespace verbalo::ui::win32
