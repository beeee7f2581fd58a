#include "platform/win32/display_settings_win32.h"

#include <windows.h>

namespace verbalo::platform::win32 {

bool Win32DisplaySettings::HighContrast() const {
    HIGHCONTRASTW settings{};
    settings.cbSize = sizeof(settings);
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(settings), &settings, 0) != FALSE &&
           (settings.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

Rgb Win32DisplaySettings::SystemColourOf(SystemColour colour) const {
    int index = COLOR_WINDOWTEXT;
    switch (colour) {
        case SystemColour::WindowText:
            index = COLOR_WINDOWTEXT;
            break;
        case SystemColour::Window:
            index = COLOR_WINDOW;
            break;
        case SystemColour::ButtonText:
            index = COLOR_BTNTEXT;
            break;
        case SystemColour::ButtonFace:
            index = COLOR_BTNFACE;
            break;
        case SystemColour::HotLight:
            index = COLOR_HOTLIGHT;
            break;
    }
    const COLORREF value = GetSysColor(index);
    return {GetRValue(value), GetGValue(value), GetBValue(value)};
}

const DisplaySettings& SystemDisplaySettings() {
    static const Win32DisplaySettings settings;
    return settings;
}

}  // namespace verbalo::platform::win32
