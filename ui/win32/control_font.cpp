#include "ui/win32/control_font.h"

#include <utility>

#include "platform/win32/text_conversion.h"

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
    : control_(control),
      scale_(scale),
      look_(std::move(look)),
      font_(CreateFontFor(look_, scale_)) {
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

void ControlFont::Apply(FontLook look) {
    if (look == look_) {
        return;
    }
    Font font = CreateFontFor(look, scale_);
    if (font == nullptr) {
        return;
    }
    // The control takes the new font before the old one is deleted.
    SendMessageW(control_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    font_ = std::move(font);
    look_ = std::move(look);
}

}  // namespace verbalo::ui::win32
