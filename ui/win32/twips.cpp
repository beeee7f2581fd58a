#include "ui/win32/twips.h"

#include <cmath>

namespace verbalo::ui::win32 {

TwipsScale::TwipsScale() : dpi_(96) {
    if (HDC screen = GetDC(nullptr)) {
        dpi_ = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
    }
}

int TwipsScale::FontHeight(double points) const {
    return -static_cast<int>(std::lround(points * dpi_ / 72.0));
}

}  // namespace verbalo::ui::win32
