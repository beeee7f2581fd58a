#pragma once

#include <windows.h>

#include <memory>

#include "resources/colour_scheme.h"
#include "ui/win32/theme_colours.h"
#include "ui/win32/window_subclass.h"

namespace verbalo::ui::win32 {

// A push button with a face colour of its own: drawn by its parent on WM_DRAWITEM, with a
// raised edge (sunken while pressed), its caption centred with the access key underlined, and
// the focus rectangle, each while the keyboard cues show. It is never a default button: Enter
// reaches the parent as IDOK.
class ColouredButton {
  public:
    // button: an owner-drawn button (BS_OWNERDRAW) of a dialog; colours: its caption's and its
    // face's; theme outlives the button.
    ColouredButton(HWND button, const colours::TextColours& colours, const ThemeColours& theme);
    ColouredButton(const ColouredButton&) = delete;
    ColouredButton& operator=(const ColouredButton&) = delete;

    HWND hwnd() const { return hwnd_; }

    // Paints the button for WM_DRAWITEM.
    void Draw(const DRAWITEMSTRUCT& item) const;

  private:
    HWND hwnd_ = nullptr;
    colours::TextColours colours_;
    const ThemeColours& theme_;
    std::unique_ptr<WindowSubclass> subclass_;
};

}  // namespace verbalo::ui::win32
