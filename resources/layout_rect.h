#pragma once

#include <string_view>

#include "platform/types.h"
#include "resources/colour_scheme.h"

namespace verbalo::window_layout {

using platform::Twips;

// Where a control stands: left and top relative to its container's client area, and its size;
// all in twips.
struct ControlRect {
    Twips left;
    Twips top;
    Twips width;
    Twips height;
};

// A control's font as the layout gives it.
struct FontDesign {
    std::string_view face;
    double points;
    bool bold = false;
    bool symbol = false;  // a symbol font (its own character set)
};

// The font of controls that have none of their own.
inline constexpr FontDesign kDefaultFont{"MS Sans Serif", 8.25};

// A control of a window as its layout has it: its identifier (resources/resource_ids.h), where
// it stands in its container (the window, or the control `container`, listed before it), its
// font (none: the window's default), its colours (none: the system's), and whether the font is
// its own: one whose look may change and which, where its face is missing, falls back to a
// face every Windows has at the size at which the text fits.
struct Control {
    int id;
    ControlRect rect;
    const FontDesign* font = nullptr;
    const colours::TextColours* colours = nullptr;
    int container = 0;
    bool ownFont = false;
};

}  // namespace verbalo::window_layout
