#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "resources/layout_rect.h"
#include "ui/win32/dpi.h"
#include "ui/win32/gdi_objects.h"

namespace verbalo::ui::win32 {

// What a font is made of: face, size in points, weight, underline, character set, and the
// family Windows falls back on when the face is missing.
struct FontLook {
    std::wstring face;
    double points = 8.25;
    bool bold = false;
    bool underline = false;
    bool symbol = false;
    BYTE family = FF_DONTCARE;

    static FontLook From(const window_layout::FontDesign& font);
    friend bool operator==(const FontLook&, const FontLook&) = default;
};

// A font at the screen's DPI.
Font CreateFontFor(const FontLook& look, const TwipsScale& scale);

// Whether a font family of that name is installed for the character set, as EnumFontFamiliesExW
// finds it.
bool IsFontInstalled(std::wstring_view face, BYTE charset);

// The look to draw with: the look itself when its face is installed, else the same look in the
// first installed font of the face's fallbacks, chosen from the fonts every Windows 7 to 11
// has. A face with no fallbacks, or none installed, keeps its name and family, for the font
// mapper.
struct ChosenFont {
    FontLook look;
    bool isFallback = false;
};
ChosenFont ChooseInstalledFont(const FontLook& look);

// The look at the largest size, at most its own and not under half of it, in steps of a
// quarter point, at which `text` drawn with `format` (DT_WORDBREAK, DT_SINGLELINE, DT_NOPREFIX)
// shows whole in `room`: no line wider than it, and every line's letters above the baseline
// within it.
FontLook FittedTo(const FontLook& look, const TwipsScale& scale, std::wstring_view text,
                  UINT format, SIZE room);

// The font of one control, whose size, weight and underline can change while it is shown; each
// change gives the control a new font and redraws it. Owns the font the control uses.
// Where the look's face is not installed, the control is drawn in the face's fallback, at the
// largest size up to the look's at which its text shows whole (TextChanged fits it anew); where
// the face is installed, it is drawn as the look says.
class ControlFont {
  public:
    ControlFont(HWND control, FontLook look, const TwipsScale& scale);
    ControlFont(const ControlFont&) = delete;
    ControlFont& operator=(const ControlFont&) = delete;

    // The look as designed and as changed, before any fallback.
    const FontLook& look() const { return look_; }
    HFONT get() const { return font_.get(); }

    void SetPoints(double points);
    void SetBold(bool bold);
    void SetUnderline(bool underline);
    // After the control's text has changed.
    void TextChanged();
    // The same look at another DPI.
    void SetScale(const TwipsScale& scale);

  private:
    // Makes the font anew when the look has changed, or always when `force`.
    void Apply(FontLook look, bool force = false);
    // The look to draw: the fallback's, fitted to the control's text.
    FontLook Drawn(const FontLook& look) const;

    HWND control_;
    TwipsScale scale_;
    FontLook look_;
    std::optional<FontLook> fallback_;  // the fallback's face and family, if the face is missing
    Font font_;
};

}  // namespace verbalo::ui::win32
