#pragma once

#include <string_view>

#include "resources/layout_rect.h"

// The About window frmAbout: its size, its controls in twips and its fixed texts. Lb_cr, cmdOK
// and cmdSysInfo stand in Frame1; every other control in the window itself.
namespace verbalo::about_layout {

using platform::Twips;
using window_layout::ControlRect;
using window_layout::FontDesign;

inline constexpr Twips kClientWidth = 5340;
inline constexpr Twips kClientHeight = 3090;

inline constexpr ControlRect kPicture1{135, 135, 465, 375};
inline constexpr ControlRect kLblTitle{870, 270, 2400, 435};
inline constexpr ControlRect kLabel1{2580, 45, 2625, 270};
inline constexpr ControlRect kLblVersion{3345, 300, 1860, 225};
inline constexpr ControlRect kLblDescription{315, 720, 4695, 1305};
// A band across the bottom: only its top edge lies within the window.
inline constexpr ControlRect kFrame1{-90, 2025, 5505, 1095};
inline constexpr ControlRect kLbCr{180, 180, 3795, 915};
inline constexpr ControlRect kCmdOK{3975, 150, 1395, 435};
inline constexpr ControlRect kCmdSysInfo{3990, 600, 1380, 435};

inline constexpr FontDesign kTitleFont{"MS Sans Serif", 12, true};
inline constexpr FontDesign kNoticeFont{"Arial", 8.25};

// The icon of Picture1: the program's own, 24 x 24.
inline constexpr int kPictureIconSize = 24;

// What the layout stores; the load replaces the caption and the placeholders.
inline constexpr std::string_view kStoredCaption = "Informazioni ";
inline constexpr std::string_view kTitlePlaceholder = "Titolo applicazione";
inline constexpr std::string_view kVersionPlaceholder = "Versione";
inline constexpr std::string_view kDescriptionPlaceholder = "Descrizione applicazione";
inline constexpr std::string_view kNoticePlaceholder = "Lb_cr";
inline constexpr std::string_view kOkCaption = "OK";
inline constexpr std::string_view kSysInfoCaption = "&System Info...";

}  // namespace verbalo::about_layout
