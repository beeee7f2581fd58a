#include "ui/win32/control_font.h"

#include <utility>

#include "platform/win32/text_conversion.h"
#include "ui/win32/child_controls.h"
#include "ui/win32/font_fallback.h"

namespace verbalo::ui::win32 {

using platform::win32::Utf8ToWide;

FontLook FontLook::From(const window_layout::FontDesign& font) {
    return {Utf8ToWide(font.face), font.points, font.bold, false, font.symbol, FF_DONTCARE};
}

Font CreateFontFor(const FontLook& look, const TwipsScale& scale) {
    return Font(CreateFontW(scale.FontHeight(look.points), 0, 0, 0, look.bold ? FW_BOLD : FW_NORMAL,
                            FALSE, look.underline ? TRUE : FALSE, FALSE,
                            look.symbol ? SYMBOL_CHARSET : DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | look.family,
                            look.face.c_str()));
}

ControlFont::ControlFont(HWND control, FontLook look, const TwipsScale& scale)
    : control_(control), scale_(scale), look_(std::move(look)) {
    if (ChosenFont chosen = ChooseInstalledFont(look_); chosen.isFallback) {
        fallback_ = std::move(chosen.look);
    }
    font_ = CreateFontFor(Drawn(look_), scale_);
    SendMessageW(control_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
}

void ControlFont::SetPoints(double points) {
    FontLook look = look_;
    look.points = points;
    Apply(std::move(look));
}

void ControlFont::SetBold(bool bold) {
    FontLook look = look_;
    look.bold = bold;
    Apply(std::move(look));
}

void ControlFont::SetUnderline(bool underline) {
    FontLook look = look_;
    look.underline = underline;
    Apply(std::move(look));
}

void ControlFont::TextChanged() {
    if (fallback_) {
        Apply(look_, true);
    }
}

void ControlFont::SetScale(const TwipsScale& scale) {
    scale_ = scale;
    Apply(look_, true);
}

FontLook ControlFont::Drawn(const FontLook& look) const {
    if (!fallback_) {
        return look;
    }
    FontLook drawn = look;
    drawn.face = fallback_->face;
    drawn.family = fallback_->family;
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(control_, GWL_STYLE));
    const DWORD type = style & SS_TYPEMASK;
    const bool wraps = type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT;
    const UINT format =
        (wraps ? DT_WORDBREAK : DT_SINGLELINE) | ((style & SS_NOPREFIX) != 0 ? DT_NOPREFIX : 0);
    RECT client{};
    GetClientRect(control_, &client);
    return FittedTo(drawn, scale_, WindowTextOf(control_), format,
                    {client.right - client.left, client.bottom - client.top});
}

void ControlFont::Apply(FontLook look, bool force) {
    if (look == look_ && !force) {
        return;
    }
    Font font = CreateFontFor(Drawn(look), scale_);
    if (font == nullptr) {
        return;
    }
    // The control takes the new font before the old one is deleted.
    SendMessageW(control_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    font_ = std::move(font);
    look_ = std::move(look);
}

}  // namespace verbalo::ui::win32
