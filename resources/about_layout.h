#pragma once

#include "resources/layout_rect.h"
#include "resources/resource_ids.h"

// The About window frmAbout: its size, its controls in twips and their fonts and colours (its
// template: verbalo.rc). Lb_cr, cmdOK and cmdSysInfo stand in Frame1; every other control in
// the window itself.
namespace verbalo::about_layout {

using platform::Twips;
using window_layout::Control;
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

inline constexpr Control kControls[] = {
    {.id = IDC_ABOUT_FRAME1, .rect = kFrame1},
    {.id = IDC_ABOUT_PICTURE1, .rect = kPicture1},
    {.id = IDC_ABOUT_LBLTITLE,
     .rect = kLblTitle,
     .font = &kTitleFont,
     .colours = &colours::kAboutTitle},
    {.id = IDC_ABOUT_LABEL1, .rect = kLabel1, .colours = &colours::kAboutNavy},
    {.id = IDC_ABOUT_LBLVERSION, .rect = kLblVersion, .colours = &colours::kAboutNavy},
    {.id = IDC_ABOUT_LBLDESCRIPTION,
     .rect = kLblDescription,
     .colours = &colours::kAboutDescription},
    {.id = IDC_ABOUT_LB_CR,
     .rect = kLbCr,
     .font = &kNoticeFont,
     .colours = &colours::kAboutNotice,
     .container = IDC_ABOUT_FRAME1},
    {.id = IDC_ABOUT_CMDOK, .rect = kCmdOK, .container = IDC_ABOUT_FRAME1},
    {.id = IDC_ABOUT_CMDSYSINFO, .rect = kCmdSysInfo, .container = IDC_ABOUT_FRAME1},
};

}  // namespace verbalo::about_layout
