#pragma once

#include <windows.h>

#include <optional>
#include <vector>

namespace verbalo::ui::win32 {

// The colours of a window's labels, as WM_CTLCOLORSTATIC asks for them: a text colour (or the
// system's) on the background of whatever the label stands on, which makes it look transparent.
class ControlColors {
  public:
    // background: a brush that outlives this table.
    void Add(HWND control, std::optional<COLORREF> text, HBRUSH background);

    // Sets the colours into dc and gives the brush for the control's background; nullptr when
    // the control is not listed.
    HBRUSH Apply(HWND control, HDC dc) const;

  private:
    struct Entry {
        HWND control;
        std::optional<COLORREF> text;
        HBRUSH background;
    };
    std::vector<Entry> entries_;
};

}  // namespace verbalo::ui::win32
