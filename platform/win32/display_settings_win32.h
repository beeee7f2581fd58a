#pragma once

#include "platform/display_settings.h"

namespace verbalo::platform::win32 {

// SystemParametersInfo(SPI_GETHIGHCONTRAST) and GetSysColor.
class Win32DisplaySettings final : public DisplaySettings {
  public:
    bool HighContrast() const override;
    Rgb SystemColourOf(SystemColour colour) const override;
};

// The one the windows use unless they are given others.
const DisplaySettings& SystemDisplaySettings();

}  // namespace verbalo::platform::win32
