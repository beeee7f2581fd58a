#pragma once

#include <cstdint>

#include "platform/types.h"

// Lengths and rectangles on a monitor of a given DPI: twips to pixels and back, and the outer
// rectangle of a window whose client area has a given size in twips.
namespace verbalo::platform {

inline constexpr int kTwipsPerInch = 1440;

// a * b / c to the nearest integer, a half away from zero, as MulDiv rounds.
constexpr int ScaledRounded(int a, int b, int c) {
    const std::int64_t product = std::int64_t{a} * b;
    return static_cast<int>((product >= 0 ? product + c / 2 : product - c / 2) / c);
}

// A position, to the nearest pixel.
constexpr int PixelsOf(Twips twips, int dpi) {
    return ScaledRounded(twips, dpi, kTwipsPerInch);
}
// A size that must not be undercut, rounded up.
constexpr int PixelsAtLeast(Twips twips, int dpi) {
    return static_cast<int>((std::int64_t{twips} * dpi + kTwipsPerInch - 1) / kTwipsPerInch);
}
constexpr Twips TwipsOf(int pixels, int dpi) {
    return ScaledRounded(pixels, kTwipsPerInch, dpi);
}

// A rectangle in screen pixels.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

// What a window's frame (borders, caption, menu bar) adds around its client area at one DPI,
// in pixels; it does not grow in proportion to the DPI.
struct FrameInsets {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The window whose top-left corner is at (left, top) and whose client area is
// clientWidth x clientHeight twips at dpi, inside `frame`.
constexpr ScreenRect WindowForClient(int left, int top, Twips clientWidth, Twips clientHeight,
                                     int dpi, const FrameInsets& frame) {
    return {left, top, left + frame.left + PixelsOf(clientWidth, dpi) + frame.right,
            top + frame.top + PixelsOf(clientHeight, dpi) + frame.bottom};
}

}  // namespace verbalo::platform
