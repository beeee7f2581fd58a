#pragma once

#include <windows.h>

#include <vector>

#include "resources/colour_scheme.h"
#include "ui/win32/theme_colours.h"

namespace verbalo::ui::win32 {

// The colours of a window's labels, as WM_CTLCOLORSTATIC asks for them: a text colour on the
// background of whatever the label stands on, which makes it look transparent; each in the
// theme in use.
class ControlColors {
  public:
    void Add(HWND control, const colours::TextColours& colours);

    // Sets the colours into dc and gives the brush for the control's background; nullptr when
    // the control is not listed.
    HBRUSH Apply(HWND control, HDC dc, const ThemeColours& theme) const;

  private:
    struct Entry {
        HWND control;
        colours::TextColours colours;
    };
    std::vector<Entry> entries_;
};

}  // namespace verbalo::ui::win32
