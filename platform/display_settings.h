#pragma once

#include <cstdint>

namespace verbalo::platform {

// A colour on the screen, 8 bits a channel.
struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The system's colours a window can give way to.
enum class SystemColour {
    WindowText,  // COLOR_WINDOWTEXT
    Window,      // COLOR_WINDOW
    ButtonText,  // COLOR_BTNTEXT
    ButtonFace,  // COLOR_BTNFACE
    HotLight,    // COLOR_HOTLIGHT: links
};

// What the display settings say about colours: whether a high-contrast theme is on, and the
// system's colours of the theme in use. Asked afresh each time: the user may switch the theme
// while the program runs.
class DisplaySettings {
  public:
    virtual ~DisplaySettings() = default;
    virtual bool HighContrast() const = 0;
    virtual Rgb SystemColourOf(SystemColour colour) const = 0;
};

}  // namespace verbalo::platform
