#pragma once

#include <array>
#include <cstddef>

#include "platform/display_settings.h"

namespace verbalo::platform {

// Display settings as chosen: at first the normal theme with Windows's standard colours;
// SwitchToHighContrast gives the colours of a high-contrast black theme.
class FakeDisplaySettings : public DisplaySettings {
  public:
    bool HighContrast() const override { return highContrast; }
    Rgb SystemColourOf(SystemColour colour) const override {
        return colours[static_cast<std::size_t>(colour)];
    }

    void SwitchToHighContrast() {
        highContrast = true;
        colours = {Rgb{255, 255, 255}, Rgb{0, 0, 0}, Rgb{255, 255, 255}, Rgb{0, 0, 0},
                   Rgb{255, 255, 0}};
    }

    bool highContrast = false;
    // By SystemColour: the window's text and background, the buttons', the links'.
    std::array<Rgb, 5> colours = {Rgb{0, 0, 0}, Rgb{255, 255, 255}, Rgb{0, 0, 0},
                                  Rgb{240, 240, 240}, Rgb{0, 102, 204}};
};

}  // namespace verbalo::platform
