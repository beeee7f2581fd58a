#include "ui/win32/thumbs_up_picture.h"

#include <algorithm>
#include <array>

#include "ui/win32/gdi_objects.h"

namespace verbalo::ui::win32 {
namespace {

// The hand on a grid 10 wide and 13 high: a cuff on the left, the fist with the thumb raised.
struct GridPoint {
    int x;
    int y;
};
constexpr int kGridWidth = 10;
constexpr int kGridHeight = 13;
constexpr std::array<GridPoint, 4> kCuff = {{{0, 6}, {2, 6}, {2, 12}, {0, 12}}};
constexpr std::array<GridPoint, 11> kFistAndThumb = {
    {{3, 6}, {5, 2}, {5, 0}, {6, 0}, {7, 1}, {7, 5}, {9, 5}, {10, 6}, {9, 12}, {3, 12}, {3, 6}}};

// A shape of the grid in pixels, the grid's corner at (left, top).
template <std::size_t N>
std::array<POINT, N> InPixels(const std::array<GridPoint, N>& shape, int left, int top, int cell) {
    std::array<POINT, N> points{};
    for (std::size_t i = 0; i < N; ++i) {
        points[i] = {left + shape[i].x * cell, top + shape[i].y * cell};
    }
    return points;
}

}  // namespace

void DrawThumbsUp(HDC dc, const RECT& rect, COLORREF colour) {
    // The largest grid cell that fits both ways, the hand centred.
    const int width = static_cast<int>(rect.right - rect.left);
    const int height = static_cast<int>(rect.bottom - rect.top);
    const int cell = std::max(1, std::min(width / kGridWidth, height / kGridHeight));
    const int left = static_cast<int>(rect.left) + (width - cell * kGridWidth) / 2;
    const int top = static_cast<int>(rect.top) + (height - cell * kGridHeight) / 2;
    const Brush brush(CreateSolidBrush(colour));
    const HGDIOBJ previousBrush = SelectObject(dc, brush.get());
    const HGDIOBJ previousPen = SelectObject(dc, GetStockObject(NULL_PEN));
    const auto cuff = InPixels(kCuff, left, top, cell);
    Polygon(dc, cuff.data(), static_cast<int>(cuff.size()));
    const auto hand = InPixels(kFistAndThumb, left, top, cell);
    Polygon(dc, hand.data(), static_cast<int>(hand.size()));
    SelectObject(dc, previousPen);
    SelectObject(dc, previousBrush);
}

}  // namespace verbalo::ui::win32
