#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "resources/layout_rect.h"
#include "ui/win32/control_font.h"
#include "ui/win32/dpi.h"
#include "ui/win32/gdi_objects.h"
#include "ui/win32/theme_colours.h"

namespace verbalo::ui::win32 {

// A window's controls as its layout table has them (window_layout::Control): each placed at its
// twips, drawn in its font and asking for its colours; at another DPI each is placed anew and
// every font made anew. Controls that share a font design share one font.
class ControlLayout {
  public:
    ControlLayout() = default;
    ControlLayout(const ControlLayout&) = delete;
    ControlLayout& operator=(const ControlLayout&) = delete;

    // Places the controls of `window` that the table lists, at `scale`.
    void Apply(HWND window, std::span<const window_layout::Control> controls,
               const TwipsScale& scale);
    // Every control placed and every font made at another DPI.
    void Rescale(const TwipsScale& scale);
    // The scale the controls are laid out at.
    const TwipsScale& scale() const { return scale_; }
    // The DPI messages of a window whose client area is clientWidth x clientHeight twips at
    // every DPI: WM_DPICHANGED places the controls and the window anew at the new DPI, and
    // changes nothing when they are laid out for it already (the window placed itself there);
    // WM_GETDPISCALEDSIZE tells Windows that size. The message's result; none for any other.
    std::optional<LRESULT> OnDpiMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                        Twips clientWidth, Twips clientHeight);

    HWND Control(int id) const;
    // The font of a control that has one of its own, else nullptr.
    ControlFont* FontOf(int id) const;
    // The control's width in twips from now on.
    void SetWidth(int id, Twips width);

    // For WM_CTLCOLORSTATIC: sets a listed control's colours, in the theme in use, into dc and
    // gives the brush of its background; nullptr for a control without colours of its own.
    HBRUSH Colours(HWND control, HDC dc, const ThemeColours& theme) const;

  private:
    struct Placed {
        HWND control;
        window_layout::Control design;
        std::unique_ptr<ControlFont> ownFont;
    };

    HFONT SharedFont(const window_layout::FontDesign& design);
    void Place(const Placed& placed) const;

    HWND window_ = nullptr;
    TwipsScale scale_;
    std::vector<Placed> placed_;
    std::vector<std::pair<const window_layout::FontDesign*, Font>> fonts_;
};

}  // namespace verbalo::ui::win32
