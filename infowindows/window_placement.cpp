#include "infowindows/window_placement.h"

#include <cmath>

#include "resources/about_layout.h"
#include "resources/producer_layout.h"

namespace verbalo {

using platform::PixelsOf;
using platform::TwipsOf;

platform::ScreenRect AboutWindowRect(const platform::ScreenRect& mainWindow, int dpi,
                                     const platform::FrameInsets& frame) {
    return platform::WindowForClient(PixelsOf(TwipsOf(mainWindow.left, dpi) + 20, dpi),
                                     PixelsOf(TwipsOf(mainWindow.top, dpi) + 400, dpi),
                                     about_layout::kClientWidth, about_layout::kClientHeight, dpi,
                                     frame);
}

platform::ScreenRect ProducerWindowRect(const platform::ScreenRect& screen, int dpi,
                                        const platform::FrameInsets& frame) {
    const platform::ScreenRect sized = platform::WindowForClient(
        0, 0, producer_layout::kClientWidth, producer_layout::kClientHeight, dpi, frame);
    const auto centred = [dpi](int screenPixels, int windowPixels) {
        const float twips = (static_cast<float>(TwipsOf(screenPixels, dpi)) -
                             static_cast<float>(TwipsOf(windowPixels, dpi))) /
                            2.0f;
        return PixelsOf(static_cast<platform::Twips>(std::lround(twips)), dpi);
    };
    const int top = screen.top + centred(screen.height(), sized.height());
    const int left = screen.left + centred(screen.width(), sized.width());
    return {left, top, left + sized.width(), top + sized.height()};
}

}  // namespace verbalo
