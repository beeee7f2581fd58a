#pragma once

#include <windows.h>

#include "platform/types.h"

namespace verbalo::ui::win32 {

using platform::Twips;

// Converts between twips and the screen's pixels at its DPI (15 twips a pixel at 96 DPI).
class TwipsScale {
  public:
    TwipsScale();
    explicit TwipsScale(int dpi) : dpi_(dpi) {}

    int dpi() const { return dpi_; }
    // A position: to the nearest pixel.
    int ToPixels(Twips twips) const { return MulDiv(twips, dpi_, kTwipsPerInch); }
    // A size: rounded up, so that a minimum size is never undercut.
    int ToPixelsAtLeast(Twips twips) const {
        return (twips * dpi_ + kTwipsPerInch - 1) / kTwipsPerInch;
    }
    Twips ToTwips(int pixels) const { return MulDiv(pixels, kTwipsPerInch, dpi_); }
    // A font height in pixels for a size in points.
    int FontHeight(double points) const;

  private:
    static constexpr int kTwipsPerInch = 1440;
    int dpi_;
};

}  // namespace verbalo::ui::win32
