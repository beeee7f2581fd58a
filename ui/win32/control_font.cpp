#include "ui/win32/control_font.h"

#include <array>
#include <span>
#include <utility>

#include "platform/win32/text_conversion.h"
#include "ui/win32/window_base.h"

namespace verbalo::ui::win32 {

using platform::win32::Utf8ToWide;
namespace {

// The fonts that stand in for a face that office suites bring and Windows does not.
struct Fallback {
    std::wstring_view face;
    std::span<const std::wstring_view> fallbacks;  // in order of preference
    BYTE family;
};

// Palatino Linotype, an old-style serif like Garamond and about as wide, has come with Windows
// since Windows 2000; Times New Roman, narrower and of another style, is the last resort.
constexpr std::array<std::wstring_view, 2> kForGaramond = {L"Palatino Linotype",
                                                           L"Times New Roman"};
// Arial is Arial Narrow's own family; the fitting makes it as narrow as it has to be.
constexpr std::array<std::wstring_view, 1> kForArialNarrow = {L"Arial"};

constexpr std::array kFallbacks = {
    Fallback{L"Garamond", kForGaramond, FF_ROMAN},
    Fallback{L"Arial Narrow", kForArialNarrow, FF_SWISS},
};

int CALLBACK NoteFound(const LOGFONTW* /*font*/, const TEXTMETRICW* /*metrics*/, DWORD /*type*/,
                       LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;  // one is enough
}

// Whether `text` drawn in `font` with `format` shows whole in `room`.
bool ShowsWhole(HDC dc, HFONT font, std::wstring_view text, UINT format, SIZE room) {
    const HGDIOBJ previous = SelectObject(dc, font);
    RECT rect{0, 0, room.cx, 0};
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &rect,
              format | DT_CALCRECT | DT_EXPANDTABS);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    const int lineHeight = metrics.tmHeight > 0 ? metrics.tmHeight : 1;
    const int lines = (rect.bottom - rect.top + lineHeight - 1) / lineHeight;
    return rect.right - rect.left <= room.cx &&
           (lines - 1) * lineHeight + metrics.tmAscent <= room.cy;
}

}  // namespace

bool IsFontInstalled(std::wstring_view face, BYTE charset) {
    LOGFONTW wanted{};
    wanted.lfCharSet = charset;
    face.copy(wanted.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    if (const HDC screen = GetDC(nullptr)) {
        EnumFontFamiliesExW(screen, &wanted, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
        ReleaseDC(nullptr, screen);
    }
    return found;
}

ChosenFont ChooseInstalledFont(const FontLook& look) {
    const BYTE charset = look.symbol ? SYMBOL_CHARSET : DEFAULT_CHARSET;
    if (IsFontInstalled(look.face, charset)) {
        return {look, false};
    }
    for (const Fallback& fallback : kFallbacks) {
        if (fallback.face != look.face) {
            continue;
        }
        FontLook chosen = look;
        chosen.family = fallback.family;
        chosen.face = std::wstring(fallback.fallbacks.front());
        for (const std::wstring_view face : fallback.fallbacks) {
            if (IsFontInstalled(face, charset)) {
                chosen.face = std::wstring(face);
                break;
            }
        }
        return {chosen, true};
    }
    return {look, false};
}

FontLook FittedTo(const FontLook& look, const TwipsScale& scale, std::wstring_view text,
                  UINT format, SIZE room) {
    constexpr double kStep = 0.25;
    const HDC screen = GetDC(nullptr);
    if (screen == nullptr) {
        return look;
    }
    FontLook fitted = look;
    while (fitted.points - kStep >= look.points / 2) {
        const Font font = CreateFontFor(fitted, scale);
        if (font == nullptr || ShowsWhole(screen, font.get(), text, format, room)) {
            break;
        }
        fitted.points -= kStep;
    }
    ReleaseDC(nullptr, screen);
    return fitted;
}

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
