#include "ui/win32/theme_colours.h"

namespace verbalo::ui::win32 {

COLORREF ThemeColours::Colour(const colours::Colour& colour) const {
    const platform::Rgb rgb = colours::Resolve(colour, settings_);
    return RGB(rgb.red, rgb.green, rgb.blue);
}

HBRUSH ThemeColours::BrushOf(const colours::Colour& colour) const {
    const COLORREF value = Colour(colour);
    auto brush = brushes_.find(value);
    if (brush == brushes_.end()) {
        brush = brushes_.emplace(value, Brush(CreateSolidBrush(value))).first;
    }
    return brush->second.get();
}

void RepaintInNewColours(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

}  // namespace verbalo::ui::win32
