#pragma once

#include "platform/screen_geometry.h"

// Where the information windows stand when they are loaded, on the monitor each belongs to and
// at that monitor's DPI, their client areas the sizes of their layouts; frame: what the window's
// frame adds at that DPI.
namespace verbalo {

// The About window: its top-left corner 20 twips right of and 400 below the main window's, on
// the main window's monitor, not kept within it.
platform::ScreenRect AboutWindowRect(const platform::ScreenRect& mainWindow, int dpi,
                                     const platform::FrameInsets& frame);

// The producer window, centred on the screen (the primary monitor) as its load centres it: top
// := (screen height - window height) / 2, then left := (screen width - window width) / 2, the
// outer sizes in twips and the results in single precision.
platform::ScreenRect ProducerWindowRect(const platform::ScreenRect& screen, int dpi,
                                        const platform::FrameInsets& frame);

}  // namespace verbalo
