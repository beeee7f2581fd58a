#pragma once

#include <variant>

#include "platform/display_settings.h"

// The colours of the three windows' texts and backgrounds as designed, and the system colour
// each gives way to while a high-contrast theme is on: the window's text and background, the
// buttons', or the links' colour.
namespace verbalo::colours {

using platform::DisplaySettings;
using platform::Rgb;
using platform::SystemColour;

struct Colour {
    std::variant<Rgb, SystemColour> normal;  // a designed colour, or the system's own
    SystemColour highContrast;
};

// A text and what it stands on. Large text (14 points bold, 18 points) needs less contrast.
struct TextColours {
    Colour text;
    Colour background;
    bool large = false;
};

// The colour in the theme that the settings give.
inline Rgb Resolve(const Colour& colour, const DisplaySettings& settings) {
    if (settings.HighContrast()) {
        return settings.SystemColourOf(colour.highContrast);
    }
    if (const Rgb* designed = std::get_if<Rgb>(&colour.normal)) {
        return *designed;
    }
    return settings.SystemColourOf(std::get<SystemColour>(colour.normal));
}

namespace detail {
inline constexpr Colour kButtonFace{SystemColour::ButtonFace, SystemColour::ButtonFace};
inline constexpr Colour kButtonText{SystemColour::ButtonText, SystemColour::ButtonText};
inline constexpr Colour kBlackOnFace{Rgb{0, 0, 0}, SystemColour::ButtonText};
inline constexpr Colour kNavyOnFace{Rgb{0, 0, 128}, SystemColour::ButtonText};
inline constexpr Colour kProducerGrey{Rgb{224, 224, 224}, SystemColour::Window};
inline constexpr Colour kTeal{Rgb{0, 128, 128}, SystemColour::WindowText};
}  // namespace detail

// The main window, on the system's button face but for the echo's white.
inline constexpr TextColours kMainLabel{detail::kBlackOnFace, detail::kButtonFace};
inline constexpr TextColours kEcho{{Rgb{0, 0, 0}, SystemColour::WindowText},
                                   {Rgb{255, 255, 255}, SystemColour::Window}};
inline constexpr TextColours kWordingBox{detail::kBlackOnFace, detail::kButtonFace};
inline constexpr TextColours kStatusLine{detail::kNavyOnFace, detail::kButtonFace};

// The About window, on the system's button face.
inline constexpr TextColours kAboutTitle{{Rgb{128, 0, 0}, SystemColour::ButtonText},
                                         detail::kButtonFace};
inline constexpr TextColours kAboutNavy{detail::kNavyOnFace, detail::kButtonFace};
inline constexpr TextColours kAboutDescription{detail::kBlackOnFace, detail::kButtonFace};
inline constexpr TextColours kAboutNotice{detail::kButtonText, detail::kButtonFace};

// The producer window, on its grey; the pictogram on the picture's yellow-green.
inline constexpr TextColours kProducerName{detail::kTeal, detail::kProducerGrey, true};
inline constexpr TextColours kProducerText{{SystemColour::ButtonText, SystemColour::WindowText},
                                           detail::kProducerGrey};
inline constexpr TextColours kProducerLink{{Rgb{0, 0, 128}, SystemColour::HotLight},
                                           detail::kProducerGrey};
inline constexpr TextColours kProducerHand{
    detail::kTeal, {Rgb{236, 244, 187}, SystemColour::Window}, true};
inline constexpr TextColours kOkButton{detail::kButtonText,
                                       {Rgb{200, 216, 200}, SystemColour::ButtonFace}};
inline constexpr TextColours kSysInfoButton{detail::kButtonText,
                                            {Rgb{255, 224, 192}, SystemColour::ButtonFace}};

}  // namespace verbalo::colours
