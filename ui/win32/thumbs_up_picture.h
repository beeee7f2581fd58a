#pragma once

#include <windows.h>

namespace verbalo::ui::win32 {

// A thumbs-up hand drawn in `colour` within `rect`, keeping its proportions: the producer
// window's pictogram where the symbol font that has it is not installed.
void DrawThumbsUp(HDC dc, const RECT& rect, COLORREF colour);

}  // namespace verbalo::ui::win32
