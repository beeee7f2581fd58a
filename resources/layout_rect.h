#pragma once

#include <string_view>

#include "platform/types.h"

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

}  // namespace verbalo::window_layout
