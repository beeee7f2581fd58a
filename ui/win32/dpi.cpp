#include "ui/win32/dpi.h"

#include <cmath>

#include "platform/win32/system_library.h"

namespace verbalo::ui::win32 {
namespace {

// The calls that Windows 7 lacks, looked up in user32 (always loaded) when first needed.
template <typename Function>
Function User32Function(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

int SystemDpi() {
    int dpi = 96;
    if (const HDC screen = GetDC(nullptr)) {
        dpi = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
    }
    return dpi;
}

int DpiOfWindow(HWND window) {
    static const auto getDpiForWindow = User32Function<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    const UINT dpi = getDpiForWindow != nullptr ? getDpiForWindow(window) : 0;
    return dpi > 0 ? static_cast<int>(dpi) : SystemDpi();
}

int DpiOfMonitor(HMONITOR monitor) {
    // shcore.dll's GetDpiForMonitor, MDT_EFFECTIVE_DPI (0).
    using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static const auto getDpiForMonitor = platform::win32::SystemFunction<GetDpiForMonitorFunction>(
        L"shcore.dll", "GetDpiForMonitor");
    UINT x = 0;
    UINT y = 0;
    if (getDpiForMonitor != nullptr && SUCCEEDED(getDpiForMonitor(monitor, 0, &x, &y)) && y > 0) {
        return static_cast<int>(y);
    }
    return SystemDpi();
}

int TwipsScale::FontHeight(double points) const {
    return -static_cast<int>(std::lround(points * dpi_ / 72.0));
}

RECT PixelRect(const TwipsScale& scale, const window_layout::ControlRect& rect) {
    const int left = scale.ToPixels(rect.left);
    const int top = scale.ToPixels(rect.top);
    return {left, top, left + scale.ToPixels(rect.width), top + scale.ToPixels(rect.height)};
}

platform::FrameInsets FrameAt(int dpi, DWORD style, DWORD exStyle, bool menu) {
    static const auto adjustForDpi =
        User32Function<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
    RECT rect{0, 0, 0, 0};
    if (adjustForDpi == nullptr ||
        !adjustForDpi(&rect, style, menu ? TRUE : FALSE, exStyle, static_cast<UINT>(dpi))) {
        AdjustWindowRectEx(&rect, style, menu ? TRUE : FALSE, exStyle);
    }
    return {-rect.left, -rect.top, rect.right, rect.bottom};
}

platform::FrameInsets FrameOf(HWND window, int dpi) {
    return FrameAt(dpi, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)),
                   static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)),
                   GetMenu(window) != nullptr);
}

void MoveToDpi(HWND window, const RECT& suggested, Twips clientWidth, Twips clientHeight, int dpi) {
    PlaceWindow(window, platform::WindowForClient(suggested.left, suggested.top, clientWidth,
                                                  clientHeight, dpi, FrameOf(window, dpi)));
    InvalidateRect(window, nullptr, TRUE);
}

void SizeForDpi(HWND window, Twips clientWidth, Twips clientHeight, int dpi, SIZE& size) {
    const platform::ScreenRect rect =
        platform::WindowForClient(0, 0, clientWidth, clientHeight, dpi, FrameOf(window, dpi));
    size = {rect.width(), rect.height()};
}

void KeepDialogFromScaling(HWND dialog) {
    // SetDialogDpiChangeBehavior with DDC_DISABLE_ALL (1).
    static const auto setBehaviour =
        User32Function<BOOL(WINAPI*)(HWND, int, int)>("SetDialogDpiChangeBehavior");
    if (setBehaviour != nullptr) {
        setBehaviour(dialog, 1, 1);
    }
}

void PlaceWindow(HWND window, const platform::ScreenRect& rect) {
    SetWindowPos(window, nullptr, rect.left, rect.top, rect.width(), rect.height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

platform::ScreenRect ScreenRectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

}  // namespace verbalo::ui::win32
