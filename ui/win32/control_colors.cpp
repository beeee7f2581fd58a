#include "ui/win32/control_colors.h"

#include <algorithm>

namespace verbalo::ui::win32 {

void ControlColors::Add(HWND control, const colours::TextColours& colours) {
    entries_.push_back({control, colours});
}

HBRUSH ControlColors::Apply(HWND control, HDC dc, const ThemeColours& theme) const {
    const auto entry = std::ranges::find(entries_, control, &Entry::control);
    if (entry == entries_.end()) {
        return nullptr;
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, theme.Colour(entry->colours.text));
    return theme.BrushOf(entry->colours.background);
}

}  // namespace verbalo::ui::win32
