// Every control of the three windows shows its whole text, in its own font and at the screen's
// DPI: the main window's amount field room for fifteen of the widest characters it takes, a
// label or a button its whole caption. Run at each DPI the prefix is set to, with and without
// the fonts the windows name.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "info_window_support.h"
#include "platform/fakes/fake_clipboard.h"
#include "platform/fakes/fake_dialogs.h"
#include "platform/fakes/fake_keyboard_events.h"
#include "platform/fakes/fake_locale.h"
#include "platform/win32/text_conversion.h"
#include "resources/resource_ids.h"
#include "ui/win32/form1_window.h"
#include "ui/win32/twips.h"

namespace verbalo::platform::win32 {
namespace {

using namespace ::verbalo::ui::win32;  // the window adapters under test

std::wstring ClassOf(HWND control) {
    wchar_t name[64] = {};
    GetClassNameW(control, name, 64);
    return name;
}

std::wstring TextOf(HWND control) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

// What `text` takes drawn in the control's font with `format`, at most `width` wide where it
// may wrap: its size, and the font's line height and ascent.
struct Measured {
    SIZE size;
    int lineHeight;
    int ascent;
    std::optional<RECT> ink;  // of a single character, where it blackens its cell
};

Measured Measure(HWND control, const std::wstring& text, UINT format, int width) {
    const HDC dc = GetDC(control);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT rect{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), -1, &rect, format | DT_CALCRECT | DT_EXPANDTABS);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    Measured measured{{rect.right - rect.left, rect.bottom - rect.top},
                      metrics.tmHeight,
                      metrics.tmAscent,
                      std::nullopt};
    GLYPHMETRICS glyph{};
    const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    if (text.size() == 1 &&
        GetGlyphOutlineW(dc, text[0], GGO_METRICS, &glyph, 0, nullptr, &identity) != GDI_ERROR) {
        const int left = glyph.gmptGlyphOrigin.x;
        const int top = metrics.tmAscent - glyph.gmptGlyphOrigin.y;
        measured.ink = RECT{left, top, left + static_cast<int>(glyph.gmBlackBoxX),
                            top + static_cast<int>(glyph.gmBlackBoxY)};
    }
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return measured;
}

// Whether what was measured shows whole in `room`: no line is wider, and every line's letters
// above the baseline are in (a label that the layout made a pixel or two shorter than the font's
// full line may cut the space below the last baseline). A single character shows whole when its
// ink does: a pictogram fills its cell as a letter does not.
bool ShowsWhole(const Measured& measured, SIZE room) {
    if (measured.ink) {
        return measured.ink->left >= 0 && measured.ink->right <= room.cx &&
               measured.ink->top >= 0 && measured.ink->bottom <= room.cy;
    }
    const int lines = (measured.size.cy + measured.lineHeight - 1) / measured.lineHeight;
    return measured.size.cx <= room.cx &&
           (lines - 1) * measured.lineHeight + measured.ascent <= room.cy;
}

struct Misfit {
    int id;
    std::wstring text;
    Measured needed;
    SIZE room;
};

// What a control must show and the room it has for it, or nothing to check.
struct Showing {
    std::wstring text;
    UINT format;
    RECT room;
};

std::optional<Showing> WhatItShows(HWND control) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
    RECT room{};
    GetClientRect(control, &room);
    const std::wstring kind = ClassOf(control);
    if (kind == L"Edit") {
        if ((style & ES_MULTILINE) != 0) {
            return std::nullopt;  // the output box wraps and scrolls its text
        }
        // The amount field: fifteen of the widest characters an amount has, inside its margins.
        const auto margins = static_cast<DWORD>(SendMessageW(control, EM_GETMARGINS, 0, 0));
        room.left += LOWORD(margins);
        room.right -= HIWORD(margins);
        std::wstring widest = L"0";
        int widestWidth = 0;
        for (const wchar_t c : std::wstring(L"0123456789,.-")) {
            const int width = Measure(control, std::wstring(1, c), DT_SINGLELINE, 0).size.cx;
            if (width > widestWidth) {
                widest = std::wstring(1, c);
                widestWidth = width;
            }
        }
        std::wstring text;
        for (int i = 0; i < 15; ++i) {
            text += widest;
        }
        return Showing{text, DT_SINGLELINE | DT_NOPREFIX, room};
    }
    const std::wstring text = TextOf(control);
    if (text.empty()) {
        return std::nullopt;
    }
    if (kind == L"Static") {
        const DWORD type = style & SS_TYPEMASK;
        if (type == SS_OWNERDRAW) {
            return std::nullopt;  // a picture, drawn to its size
        }
        const UINT prefix = (style & SS_NOPREFIX) != 0 ? DT_NOPREFIX : 0;
        if (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT) {
            return Showing{text, DT_WORDBREAK | prefix, room};
        }
        return Showing{text, DT_SINGLELINE | prefix, room};
    }
    if (kind == L"Button") {
        InflateRect(&room, -GetSystemMetrics(SM_CXEDGE) - 1, -GetSystemMetrics(SM_CYEDGE) - 1);
        return Showing{text, DT_SINGLELINE, room};
    }
    return std::nullopt;
}

BOOL CALLBACK AddControl(HWND control, LPARAM controls) {
    reinterpret_cast<std::vector<HWND>*>(controls)->push_back(control);
    return TRUE;
}

// The controls of `window`, its panels' included, whose text does not fit.
std::vector<Misfit> MisfitsIn(HWND window) {
    std::vector<HWND> controls;
    EnumChildWindows(window, AddControl, reinterpret_cast<LPARAM>(&controls));
    std::vector<Misfit> misfits;
    for (const HWND control : controls) {
        if ((GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) == 0) {
            continue;
        }
        if (const auto showing = WhatItShows(control)) {
            const SIZE room{showing->room.right - showing->room.left,
                            showing->room.bottom - showing->room.top};
            const Measured needed = Measure(control, showing->text, showing->format, room.cx);
            if (!ShowsWhole(needed, room)) {
                misfits.push_back({GetDlgCtrlID(control), showing->text, needed, room});
            }
        }
    }
    return misfits;
}

std::string Describe(const std::vector<Misfit>& misfits) {
    std::ostringstream out;
    out << "at " << TwipsScale().dpi() << " DPI:";
    for (const Misfit& misfit : misfits) {
        const Measured& needed = misfit.needed;
        out << "\n  control " << misfit.id << " \"" << WideToUtf8(misfit.text) << "\" needs "
            << needed.size.cx << "x" << needed.size.cy << " (lines of " << needed.lineHeight
            << ", ascent " << needed.ascent << ")";
        if (needed.ink) {
            out << ", inked " << needed.ink->left << "," << needed.ink->top << " to "
                << needed.ink->right << "," << needed.ink->bottom;
        }
        out << "; has " << misfit.room.cx << "x" << misfit.room.cy;
    }
    return out.str();
}

class NoWindows : public InformationWindows {
  public:
    void ShowAboutModal() override {}
    void ShowProducerModal() override {}
};

TEST(TextFit, TheMainWindowShowsEveryTextWhole) {
    FakeClipboard clipboard;
    FakeLocale locale;
    FakeDialogs dialogs;
    FakeKeyboardEvents keyboard;
    NoWindows windows;
    Form1Window window{GetModuleHandleW(nullptr), {clipboard, locale, dialogs, keyboard, windows}};
    ASSERT_TRUE(window.Create(SW_SHOWNORMAL));
    const auto misfits = MisfitsIn(window.hwnd());
    EXPECT_TRUE(misfits.empty()) << Describe(misfits);
}

// A modal window loaded over a stand-in main window, as the load leaves it.
void ExpectEveryTextWhole(ModalWindow& window) {
    test::StandInMainWindow main(100, 100);
    window.SetMainWindow(main.hwnd());
    ASSERT_TRUE(window.Load());
    const auto misfits = MisfitsIn(window.hwnd());
    EXPECT_TRUE(misfits.empty()) << Describe(misfits);
    window.Unload();
}

TEST(TextFit, TheAboutWindowShowsEveryTextWhole) {
    test::AboutWindowOnDoubles on;
    ExpectEveryTextWhole(on.about_);
}

TEST(TextFit, TheProducerWindowShowsEveryTextWhole) {
    test::ProducerWindowOnDoubles on;
    ExpectEveryTextWhole(on.producer_);
}

}  // namespace
}  // namespace verbalo::platform::win32
