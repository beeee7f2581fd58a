#pragma once

#include <windows.h>

#include <vector>

#include "resources/layout_rect.h"
#include "ui/win32/control_font.h"
#include "ui/win32/gdi_objects.h"
#include "ui/win32/twips.h"

namespace verbalo::ui::win32 {

// Where a window's controls stand in twips and which fonts they are drawn in, so that at
// another DPI each is placed anew from its twips and every font is made anew for that DPI.
class ControlLayout {
  public:
    ControlLayout() = default;
    ControlLayout(const ControlLayout&) = delete;
    ControlLayout& operator=(const ControlLayout&) = delete;

    // A font several controls share, made at `scale`; valid as long as the layout.
    HFONT AddFont(const FontLook& look, const TwipsScale& scale);
    // `control` stands at `rect` in its container and is drawn in `font`, one of AddFont's (or
    // none, when it draws in a ControlFont added with AddControlFont). Returns the control.
    HWND Place(HWND control, const window_layout::ControlRect& rect, HFONT font = nullptr);
    // The control has moved or been resized to `rect`, in twips.
    void Replace(HWND control, const window_layout::ControlRect& rect);
    // A font of its own that a control is drawn in; it outlives the layout's use of it.
    void AddControlFont(ControlFont& font) { controlFonts_.push_back(&font); }

    // On WM_DPICHANGED: every control placed and every font made at `scale`, then `window`
    // takes the rectangle Windows suggests and is drawn anew.
    void MoveToDpi(HWND window, const TwipsScale& scale, const RECT& suggested);

  private:
    void Rescale(const TwipsScale& scale);

    struct SharedFont {
        FontLook look;
        Font font;
    };
    struct Placed {
        HWND control;
        window_layout::ControlRect rect;
        HFONT font;  // one of fonts_, or nullptr
    };

    std::vector<SharedFont> fonts_;
    std::vector<Placed> placed_;
    std::vector<ControlFont*> controlFonts_;
};

// The DPI of the monitor a window is on, where Windows can tell it (10, version 1607, and
// later), else the system's.
int DpiOfWindow(HWND window);

}  // namespace verbalo::ui::win32
