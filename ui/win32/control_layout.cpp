#include "ui/win32/control_layout.h"

#include <algorithm>

namespace verbalo::ui::win32 {

void ControlLayout::Apply(HWND window, std::span<const window_layout::Control> controls,
                          const TwipsScale& scale) {
    window_ = window;
    scale_ = scale;
    for (const window_layout::Control& design : controls) {
        Placed placed{GetDlgItem(window, design.id), design, nullptr};
        Place(placed);  // first: a font of its own is fitted to the control's size
        const window_layout::FontDesign& font =
            design.font != nullptr ? *design.font : window_layout::kDefaultFont;
        if (design.ownFont) {
            placed.ownFont =
                std::make_unique<ControlFont>(placed.control, FontLook::From(font), scale_);
        } else {
            SendMessageW(placed.control, WM_SETFONT, reinterpret_cast<WPARAM>(SharedFont(font)),
                         FALSE);
        }
        placed_.push_back(std::move(placed));
    }
}

void ControlLayout::Rescale(const TwipsScale& scale) {
    scale_ = scale;
    // Each control takes its new font before the old one is deleted.
    std::vector<std::pair<const window_layout::FontDesign*, Font>> old = std::move(fonts_);
    fonts_.clear();
    for (const Placed& placed : placed_) {
        if (placed.ownFont == nullptr) {
            const window_layout::Control& design = placed.design;
            SendMessageW(placed.control, WM_SETFONT,
                         reinterpret_cast<WPARAM>(SharedFont(
                             design.font != nullptr ? *design.font : window_layout::kDefaultFont)),
                         FALSE);
        }
        Place(placed);
        if (placed.ownFont != nullptr) {
            placed.ownFont->SetScale(scale_);
        }
    }
}

std::optional<LRESULT> ControlLayout::OnDpiMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                                   Twips clientWidth, Twips clientHeight) {
    if (message == kGetDpiScaledSize) {
        SizeForDpi(window_, clientWidth, clientHeight, static_cast<int>(wParam),
                   *reinterpret_cast<SIZE*>(lParam));
        return TRUE;
    }
    if (message != WM_DPICHANGED) {
        return std::nullopt;
    }
    if (const int dpi = HIWORD(wParam); dpi != scale_.dpi()) {
        Rescale(TwipsScale(dpi));
        MoveToDpi(window_, *reinterpret_cast<const RECT*>(lParam), clientWidth, clientHeight, dpi);
    }
    return 0;
}

HWND ControlLayout::Control(int id) const {
    const auto found = std::ranges::find(placed_, id, [](const Placed& p) { return p.design.id; });
    return found != placed_.end() ? found->control : nullptr;
}

ControlFont* ControlLayout::FontOf(int id) const {
    const auto found = std::ranges::find(placed_, id, [](const Placed& p) { return p.design.id; });
    return found != placed_.end() ? found->ownFont.get() : nullptr;
}

void ControlLayout::SetWidth(int id, Twips width) {
    for (Placed& placed : placed_) {
        if (placed.design.id == id) {
            placed.design.rect.width = width;
            Place(placed);
        }
    }
}

HBRUSH ControlLayout::Colours(HWND control, HDC dc, const ThemeColours& theme) const {
    const auto found = std::ranges::find(placed_, control, &Placed::control);
    if (found == placed_.end() || found->design.colours == nullptr) {
        return nullptr;
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, theme.Colour(found->design.colours->text));
    return theme.BrushOf(found->design.colours->background);
}

HFONT ControlLayout::SharedFont(const window_layout::FontDesign& design) {
    const auto found = std::ranges::find(fonts_, &design, [](const auto& f) { return f.first; });
    if (found != fonts_.end()) {
        return found->second.get();
    }
    fonts_.emplace_back(&design, CreateFontFor(FontLook::From(design), scale_));
    return fonts_.back().second.get();
}

// In its container's client area: the window's, or that of the control listed as its container.
void ControlLayout::Place(const Placed& placed) const {
    POINT origin{0, 0};
    if (placed.design.container != 0) {
        MapWindowPoints(Control(placed.design.container), window_, &origin, 1);
    }
    const RECT rect = PixelRect(scale_, placed.design.rect);
    SetWindowPos(placed.control, nullptr, origin.x + rect.left, origin.y + rect.top,
                 rect.right - rect.left, rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace verbalo::ui::win32
