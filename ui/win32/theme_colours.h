#pragma once

#include <windows.h>

#include <map>

#include "platform/display_settings.h"
#include "resources/colour_scheme.h"
#include "ui/win32/gdi_objects.h"

namespace verbalo::ui::win32 {

// The colours of a window in the theme in use, normal or high contrast, asked of the display
// settings each time they are needed, so that a theme switched meanwhile shows at the next
// painting; and a brush of each colour, kept while the object lives.
class ThemeColours {
  public:
    explicit ThemeColours(const platform::DisplaySettings& settings) : settings_(settings) {}
    ThemeColours(const ThemeColours&) = delete;
    ThemeColours& operator=(const ThemeColours&) = delete;

    COLORREF Colour(const colours::Colour& colour) const;
    HBRUSH BrushOf(const colours::Colour& colour) const;

  private:
    const platform::DisplaySettings& settings_;
    mutable std::map<COLORREF, Brush> brushes_;
};

// After WM_SYSCOLORCHANGE or WM_SETTINGCHANGE: the window and its controls are painted again, in
// the colours of the theme now in use.
void RepaintInNewColours(HWND window);

}  // namespace verbalo::ui::win32
