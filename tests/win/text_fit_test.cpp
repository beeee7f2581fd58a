// Every control of the three windows shows its whole text, in its own font and at the screen's
// DPI: the main window's amount field room for fifteen of the widest characters it takes, a
// label or a button its whole caption; and still so when the window is moved to a monitor of
// another DPI, where its controls stand at their twips. Run at each DPI the prefix is set to,
// with and without the fonts the windows name.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
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
#include "resources/about_layout.h"
#include "resources/form1_layout.h"
#include "resources/producer_layout.h"
#include "resources/resource_ids.h"
#include "ui/win32/dpi.h"
#include "ui/win32/form1_window.h"

namespace verbalo::platform::win32 {
namespace {

using namespace ::verbalo::ui::win32;  // the window adapters under test

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
    const std::wstring kind = test::ClassOf(control);
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

// The controls of `window` whose text does not fit.
std::vector<Misfit> MisfitsIn(HWND window) {
    const std::vector<HWND> controls = test::ControlsOf(window);
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

void ExpectEveryTextWhole(HWND window) {
    const auto misfits = MisfitsIn(window);
    EXPECT_TRUE(misfits.empty()) << Describe(misfits);
}

class NoWindows : public InformationWindow {
  public:
    void ShowModal() override {}
};

// The main window on doubles of the services it uses, made as the program makes it.
struct MainWindowOnDoubles {
    FakeClipboard clipboard;
    FakeLocale locale;
    FakeDialogs dialogs;
    FakeKeyboardEvents keyboard;
    NoWindows windows;
    Form1Window window{GetModuleHandleW(nullptr),
                       {clipboard, locale, dialogs, keyboard, windows, windows}};
};

// Runs check on an information window shown modally over a stand-in main window, as its load
// leaves it, then closes it.
template <class Window>
void WhileShown(Window& window, const std::function<void(HWND)>& check) {
    MSG quit{};  // an earlier test's main window posted it as it ended
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    const test::StandInMainWindow main(100, 100);
    window.SetMainWindow(main.hwnd());
    test::ModalScript script(
        {[&] { check(window.hwnd()); }, [&] { PostMessageW(window.hwnd(), WM_CLOSE, 0, 0); }});
    window.ShowModal();
    EXPECT_TRUE(script.finished());
}

// Another DPI than the screen's: 144 (150 %), or 192 where the screen is at 144.
int OtherDpi() {
    return TwipsScale().dpi() == 144 ? 192 : 144;
}

// Sends WM_DPICHANGED as Windows does, with the window's rectangle scaled to the new DPI.
RECT MoveToOtherDpi(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const int from = TwipsScale().dpi();
    const int to = OtherDpi();
    const RECT suggested{rect.left, rect.top, rect.left + MulDiv(rect.right - rect.left, to, from),
                         rect.top + MulDiv(rect.bottom - rect.top, to, from)};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
    return suggested;
}

struct Placement {
    int id;
    window_layout::ControlRect rect;
    int in = 0;  // the container, or 0 for the window
};

// Each control stands at its rectangle, at the new DPI, in its container.
void ExpectPlaced(HWND window, std::initializer_list<Placement> placements) {
    const TwipsScale scale(OtherDpi());
    for (const Placement& placement : placements) {
        const HWND control = GetDlgItem(window, placement.id);
        ASSERT_NE(control, nullptr) << placement.id;
        const RECT rect =
            test::RectIn(control, placement.in == 0 ? window : GetDlgItem(window, placement.in));
        const RECT expected = PixelRect(scale, placement.rect);
        EXPECT_EQ(rect.left, expected.left) << placement.id;
        EXPECT_EQ(rect.top, expected.top) << placement.id;
        EXPECT_EQ(rect.right, expected.right) << placement.id;
        EXPECT_EQ(rect.bottom, expected.bottom) << placement.id;
    }
}

// Every text shows whole at the screen's DPI. Moved to a monitor of another DPI, the window
// stands at the corner Windows suggests, with the size it told Windows (WM_GETDPISCALEDSIZE),
// its client area as many twips as before, unless its size rule asks for a wider window
// (minimumOuterWidth, in twips). Its controls stand where their twips put
// them at that DPI, and every text still shows whole.
void ExpectWholeHereAndAtAnotherDpi(HWND window, std::initializer_list<Placement> placements,
                                    Twips minimumOuterWidth = 0) {
    {
        SCOPED_TRACE("at the screen's DPI");
        ExpectEveryTextWhole(window);
    }
    SCOPED_TRACE("moved to another DPI");
    const TwipsScale to(OtherDpi());
    SIZE told{};
    SendMessageW(window, 0x02E4 /* WM_GETDPISCALEDSIZE */, static_cast<WPARAM>(to.dpi()),
                 reinterpret_cast<LPARAM>(&told));
    const RECT suggested = MoveToOtherDpi(window);
    RECT rect{};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, suggested.left);
    EXPECT_EQ(rect.top, suggested.top);
    // Wine draws the frame at the screen's DPI whatever the window's: its client area at
    // another DPI is the geometry's unit tests' to check.
    EXPECT_EQ(rect.right - rect.left,
              std::max<LONG>(told.cx, to.ToPixelsAtLeast(minimumOuterWidth)));
    ExpectPlaced(window, placements);
    ExpectEveryTextWhole(window);
}

TEST(TextFit, TheMainWindowShowsEveryTextWholeAtItsDpiAndAnother) {
    MainWindowOnDoubles on;
    ASSERT_TRUE(on.window.Create(SW_SHOWNORMAL));
    ExpectWholeHereAndAtAnotherDpi(on.window.hwnd(),
                                   {{IDC_LABEL2, form1_layout::kLabel2},
                                    {IDC_TEXT1, form1_layout::kText1},
                                    {IDC_LBFORMATTATO, form1_layout::kLbFormattato},
                                    {IDC_LABEL3, form1_layout::kLabel3}},
                                   form1_layout::kMinimumOuterWidth);
}

TEST(TextFit, TheAboutWindowShowsEveryTextWholeAtItsDpiAndAnother) {
    test::AboutWindowOnDoubles on;
    WhileShown(on.about_, [](HWND about) {
        ExpectWholeHereAndAtAnotherDpi(about,
                                       {{IDC_ABOUT_LBLTITLE, about_layout::kLblTitle},
                                        {IDC_ABOUT_FRAME1, about_layout::kFrame1},
                                        {IDC_ABOUT_CMDOK, about_layout::kCmdOK, IDC_ABOUT_FRAME1},
                                        {IDC_ABOUT_LB_CR, about_layout::kLbCr, IDC_ABOUT_FRAME1}});
    });
}

TEST(TextFit, TheProducerWindowShowsEveryTextWholeAtItsDpiAndAnother) {
    test::ProducerWindowOnDoubles on;
    WhileShown(on.producer_, [](HWND producer) {
        ExpectWholeHereAndAtAnotherDpi(
            producer, {{IDC_PRODUCER_LB_ADP0, producer_layout::kLbAdp0},
                       {IDC_PRODUCER_LBMAIL, producer_layout::kLbMail},
                       {IDC_PRODUCER_FRAME1, producer_layout::kFrame1},
                       {IDC_PRODUCER_COMMAND1, producer_layout::kCommand1, IDC_PRODUCER_FRAME1},
                       {IDC_PRODUCER_LB_ADP4, producer_layout::kLbAdp4, IDC_PRODUCER_PICTURE1}});
    });
}

}  // namespace
}  // namespace verbalo::platform::win32
