#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "ui/win32/control_font.h"
#include "ui/win32/dpi.h"

namespace verbalo::ui::win32 {

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

}  // namespace verbalo::ui::win32
