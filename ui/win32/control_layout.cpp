#include "ui/win32/control_layout.h"

#include "ui/win32/child_controls.h"

namespace verbalo::ui::win32 {

HFONT ControlLayout::AddFont(const FontLook& look, const TwipsScale& scale) {
    fonts_.push_back({look, CreateFontFor(look, scale)});
    return fonts_.back().font.get();
}

HWND ControlLayout::Place(HWND control, const window_layout::ControlRect& rect, HFONT font) {
    placed_.push_back({control, rect, font});
    return control;
}

void ControlLayout::Replace(HWND control, const window_layout::ControlRect& rect) {
    for (Placed& placed : placed_) {
        if (placed.control == control) {
            placed.rect = rect;
        }
    }
}

void ControlLayout::Rescale(const TwipsScale& scale) {
    for (SharedFont& shared : fonts_) {
        Font font = CreateFontFor(shared.look, scale);
        if (font == nullptr) {
            continue;
        }
        // Each control takes the new font before the old one is deleted.
        for (Placed& placed : placed_) {
            if (placed.font == shared.font.get()) {
                SendMessageW(placed.control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()),
                             FALSE);
                placed.font = font.get();
            }
        }
        shared.font = std::move(font);
    }
    for (const Placed& placed : placed_) {
        const RECT rect = PixelRect(scale, placed.rect);
        SetWindowPos(placed.control, nullptr, rect.left, rect.top, rect.right - rect.left,
                     rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    for (ControlFont* font : controlFonts_) {
        font->SetScale(scale);
    }
}

void ControlLayout::MoveToDpi(HWND window, const TwipsScale& scale, const RECT& suggested) {
    Rescale(scale);
    SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(window, nullptr, TRUE);
}

int DpiOfWindow(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow =
        reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow != nullptr) {
        if (const UINT dpi = getDpiForWindow(window); dpi > 0) {
            return static_cast<int>(dpi);
        }
    }
    return TwipsScale().dpi();
}

}  // namespace verbalo::ui::win32
