#pragma once

#include <windows.h>

#include "platform/screen_geometry.h"
#include "resources/layout_rect.h"

// The program's one DPI helper: the DPI of the system, a window and a monitor; twips to pixels
// at a DPI; and the frame Windows draws around a window at a DPI.
namespace verbalo::ui::win32 {

using platform::Twips;

// WM_GETDPISCALEDSIZE, of Windows 10 1703.
inline constexpr UINT kGetDpiScaledSize = 0x02E4;

// The system's DPI: the primary monitor's at logon, what a system-aware program draws at.
int SystemDpi();
// The DPI of the monitor a window is on, where Windows can tell it (10, version 1607, and
// later); else the system's.
int DpiOfWindow(HWND window);
// A monitor's own DPI, where Windows can tell it (8.1 and later); else the system's.
int DpiOfMonitor(HMONITOR monitor);

// Converts between twips and the pixels of a monitor at its DPI (15 twips a pixel at 96 DPI).
class TwipsScale {
  public:
    TwipsScale() : dpi_(SystemDpi()) {}
    explicit TwipsScale(int dpi) : dpi_(dpi) {}

    int dpi() const { return dpi_; }
    // A position: to the nearest pixel.
    int ToPixels(Twips twips) const { return platform::PixelsOf(twips, dpi_); }
    // A size: rounded up, so that a minimum size is never undercut.
    int ToPixelsAtLeast(Twips twips) const { return platform::PixelsAtLeast(twips, dpi_); }
    Twips ToTwips(int pixels) const { return platform::TwipsOf(pixels, dpi_); }
    // A font height in pixels for a size in points.
    int FontHeight(double points) const;

  private:
    int dpi_;
};

// A control's rectangle in its container's client pixels.
RECT PixelRect(const TwipsScale& scale, const window_layout::ControlRect& rect);

// What the frame of a window of this style (and menu bar) adds around its client area at dpi:
// AdjustWindowRectExForDpi where Windows has it (10, version 1607, and later); else the
// system-DPI frame of AdjustWindowRectEx, which is what a system-aware program is drawn with.
platform::FrameInsets FrameAt(int dpi, DWORD style, DWORD exStyle, bool menu);
// The same for an existing window, from its styles and menu.
platform::FrameInsets FrameOf(HWND window, int dpi);

// After WM_DPICHANGED: the window's top-left corner where Windows suggests, its client area
// clientWidth x clientHeight twips at the new DPI, inside the frame of that DPI; nothing is
// scaled twice.
void MoveToDpi(HWND window, const RECT& suggested, Twips clientWidth, Twips clientHeight, int dpi);
// The answer to WM_GETDPISCALEDSIZE (lParam, a SIZE): the same window's outer size at dpi, so
// that the rectangle Windows suggests afterwards is the one MoveToDpi takes.
void SizeForDpi(HWND window, Twips clientWidth, Twips clientHeight, int dpi, SIZE& size);

// A dialog that lays itself out from twips: the dialog manager is kept from scaling it and its
// controls when its DPI changes (Windows 10 1703 and later), so that nothing is scaled twice.
void KeepDialogFromScaling(HWND dialog);

// Moves and sizes a window to a rectangle on the screen, without activating it.
void PlaceWindow(HWND window, const platform::ScreenRect& rect);
platform::ScreenRect ScreenRectOf(HWND window);

}  // namespace verbalo::ui::win32
