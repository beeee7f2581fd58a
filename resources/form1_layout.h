#pragma once

#include "resources/layout_rect.h"
#include "resources/resource_ids.h"

// The main window's layout in twips, relative to its client area, and its size rules.
namespace verbalo::form1_layout {

using platform::Twips;
using window_layout::Control;
using window_layout::ControlRect;
using window_layout::FontDesign;

inline constexpr Twips kDesignClientWidth = 7155;
inline constexpr Twips kDesignClientHeight = 1395;
inline constexpr Twips kMinimumOuterWidth = 7395;
inline constexpr Twips kCollapsedHeight = 2060;
inline constexpr Twips kExpandedHeight = 2290;
inline constexpr Twips kOutputMargin = 60;  // on both sides of the output box

inline constexpr ControlRect kLabel2{135, 135, 735, 195};         // "Valore"
inline constexpr ControlRect kText1{855, 90, 1770, 360};          // the amount field
inline constexpr ControlRect kLbFormattato{2700, 90, 2175, 360};  // the formatted echo
inline constexpr ControlRect kTxtLettere{60, 510, 9420, 610};     // the output box
inline constexpr ControlRect kLabel3{2385, 1125, 4740, 240};      // the status line

inline constexpr int kAmountMaxLength = 15;

inline constexpr FontDesign kFont{"MS Sans Serif", 9.75};  // the label, the field, the status line
inline constexpr FontDesign kBoldFont{"MS Sans Serif", 9.75, true};  // the echo and the output box

inline constexpr Control kControls[] = {
    {.id = IDC_LABEL2, .rect = kLabel2, .font = &kFont, .colours = &colours::kMainLabel},
    {.id = IDC_TEXT1, .rect = kText1, .font = &kFont},
    {.id = IDC_LBFORMATTATO, .rect = kLbFormattato, .font = &kBoldFont, .colours = &colours::kEcho},
    // Read-only, it asks for the colours of a label.
    {.id = IDC_TXTLETTERE,
     .rect = kTxtLettere,
     .font = &kBoldFont,
     .colours = &colours::kWordingBox},
    {.id = IDC_LABEL3, .rect = kLabel3, .font = &kFont, .colours = &colours::kStatusLine},
};

}  // namespace verbalo::form1_layout
