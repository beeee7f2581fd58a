#pragma once

#include "resources/layout_rect.h"
#include "resources/resource_ids.h"

// The producer window InfTalvo: its size, its controls in twips and their fonts and colours (its
// template: verbalo.rc). Lb_adp(4) stands in Picture1; Lb_cr, Command1 and cmdInfoSys in Frame1;
// every other control in the window itself.
namespace verbalo::producer_layout {

using platform::Twips;
using window_layout::Control;
using window_layout::ControlRect;
using window_layout::FontDesign;

inline constexpr Twips kClientWidth = 5325;
inline constexpr Twips kClientHeight = 3795;

inline constexpr ControlRect kPicture1{90, 90, 945, 900};
inline constexpr ControlRect kLbAdp4{160, 0, 600, 780};  // in Picture1
// The trade name's label reaches up to the company form's (1800 rather than 1725 wide): "TALVO"
// in a bold Garamond of 26.25 points is some 118 pixels wide at 96 DPI, more than 1725 twips.
inline constexpr ControlRect kLbAdp0{1170, 90, 1800, 600};
inline constexpr ControlRect kLbAdp1{2970, 135, 735, 510};
inline constexpr ControlRect kLbAdp3{1170, 630, 3930, 510};
// Line1 runs from (0, kLine1Y) across the window's inner width.
inline constexpr Twips kLine1Y = 1140;
inline constexpr ControlRect kLbIndirizzo{135, 1245, 5055, 330};
inline constexpr ControlRect kLbDati{405, 1650, 5325, 600};
inline constexpr ControlRect kLabel3_1{315, 2295, 690, 420};  // "E-mail:"
inline constexpr ControlRect kLbMail{1065, 2295, 1530, 345};
inline constexpr ControlRect kLabel3_0{2800, 2295, 870, 420};  // "Sito:"
inline constexpr ControlRect kLbSito{3375, 2295, 2280, 345};
// Only its top edge lies within the window, a second separator.
inline constexpr ControlRect kFrame1{-180, 2655, 5565, 1185};
inline constexpr ControlRect kLbCr{315, 180, 3570, 870};         // in Frame1
inline constexpr ControlRect kCommand1{4050, 225, 1365, 420};    // in Frame1
inline constexpr ControlRect kCmdInfoSys{4050, 630, 1365, 420};  // in Frame1

inline constexpr FontDesign kSymbolFont{"Wingdings", 48, false, true};
inline constexpr FontDesign kTradeNameFont{"Garamond", 26.25, true};
inline constexpr FontDesign kCompanyFormFont{"Garamond", 24, true};
inline constexpr FontDesign kLegalNameFont{"Garamond", 20.25, true};
inline constexpr FontDesign kContactFont{"Arial Narrow", 12};
inline constexpr FontDesign kNoticeFont{"Arial", 8.25};

// Every label has a font of its own: the links' looks change, and Garamond and Arial Narrow come
// with office suites, not with Windows.
inline constexpr Control kControls[] = {
    {.id = IDC_PRODUCER_FRAME1, .rect = kFrame1},
    {.id = IDC_PRODUCER_PICTURE1, .rect = kPicture1},
    {.id = IDC_PRODUCER_LB_ADP4,
     .rect = kLbAdp4,
     .font = &kSymbolFont,
     .colours = &colours::kProducerHand,
     .container = IDC_PRODUCER_PICTURE1,
     .ownFont = true},
    {.id = IDC_PRODUCER_LB_ADP0,
     .rect = kLbAdp0,
     .font = &kTradeNameFont,
     .colours = &colours::kProducerName,
     .ownFont = true},
    {.id = IDC_PRODUCER_LB_ADP1,
     .rect = kLbAdp1,
     .font = &kCompanyFormFont,
     .colours = &colours::kProducerName,
     .ownFont = true},
    {.id = IDC_PRODUCER_LB_ADP3,
     .rect = kLbAdp3,
     .font = &kLegalNameFont,
     .colours = &colours::kProducerName,
     .ownFont = true},
    {.id = IDC_PRODUCER_LBINDIRIZZO,
     .rect = kLbIndirizzo,
     .font = &kContactFont,
     .colours = &colours::kProducerText,
     .ownFont = true},
    {.id = IDC_PRODUCER_LB_DATI,
     .rect = kLbDati,
     .font = &kContactFont,
     .colours = &colours::kProducerText,
     .ownFont = true},
    {.id = IDC_PRODUCER_LABEL3_1,
     .rect = kLabel3_1,
     .font = &kContactFont,
     .colours = &colours::kProducerText,
     .ownFont = true},
    {.id = IDC_PRODUCER_LBMAIL,
     .rect = kLbMail,
     .font = &kContactFont,
     .colours = &colours::kProducerLink,
     .ownFont = true},
    {.id = IDC_PRODUCER_LABEL3_0,
     .rect = kLabel3_0,
     .font = &kContactFont,
     .colours = &colours::kProducerText,
     .ownFont = true},
    {.id = IDC_PRODUCER_LBSITO,
     .rect = kLbSito,
     .font = &kContactFont,
     .colours = &colours::kProducerLink,
     .ownFont = true},
    {.id = IDC_PRODUCER_LB_CR,
     .rect = kLbCr,
     .font = &kNoticeFont,
     .colours = &colours::kProducerText,
     .container = IDC_PRODUCER_FRAME1,
     .ownFont = true},
    {.id = IDC_PRODUCER_COMMAND1, .rect = kCommand1, .container = IDC_PRODUCER_FRAME1},
    {.id = IDC_PRODUCER_CMDINFOSYS, .rect = kCmdInfoSys, .container = IDC_PRODUCER_FRAME1},
};

}  // namespace verbalo::producer_layout
