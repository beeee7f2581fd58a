// What a screen reader finds in the three windows by the accessibility proxies' documented rule
// (Wine's proxies name every window by its text), and the colours the windows answer and paint:
// each text has the contrast WCAG 1.4.3 asks, and in high contrast the system's colours.
#include <windows.h>
// After windows.h, which it builds on.
#include <oleacc.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "info_window_support.h"
#include "platform/win32/text_conversion.h"
#include "resources/colour_scheme.h"
#include "resources/maker_data.h"
#include "resources/resource_ids.h"

namespace verbalo::platform::win32 {
namespace {

LONG_PTR StyleOf(HWND control) {
    return GetWindowLongPtrW(control, GWL_STYLE);
}

// A static's or a button's text as it reads: "&" marks an access key, "&&" is one "&".
std::wstring ReadText(HWND control) {
    const std::wstring text = test::Text(control);
    const bool prefixes =
        test::ClassOf(control) != L"Static" || (StyleOf(control) & SS_NOPREFIX) == 0;
    std::wstring read;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!prefixes || text[i] != L'&' || ++i < text.size()) {
            read += text[i];
        }
    }
    return read;
}

// What is said beyond the proxies' name and role, to a fake of the annotation service.
enum class Said { Nothing, Link, LiveRegionAnnounced };

struct Accessible {
    std::wstring name;
    long role;
    Said said = Said::Nothing;
    friend bool operator==(const Accessible&, const Accessible&) = default;
};

// A button or a static is named by its text, any other control by the static before it in
// z-order, the search stopping at a control both WS_GROUP and WS_TABSTOP.
Accessible ProxyOf(HWND control, const FakeAccessibility& fake) {
    const auto handle = reinterpret_cast<WindowHandle>(control);
    const bool announced = std::ranges::count(fake.changes, handle) > 0;
    const Said said = fake.links.contains(handle)                      ? Said::Link
                      : fake.liveRegions.contains(handle) && announced ? Said::LiveRegionAnnounced
                                                                       : Said::Nothing;
    if (const auto named = fake.pictureNames.find(handle); named != fake.pictureNames.end()) {
        return {Utf8ToWide(named->second), ROLE_SYSTEM_GRAPHIC, said};
    }
    const std::wstring kind = test::ClassOf(control);
    if (kind == L"Static" || kind == L"Button") {
        return {ReadText(control),
                kind == L"Static" ? ROLE_SYSTEM_STATICTEXT : ROLE_SYSTEM_PUSHBUTTON, said};
    }
    const long role = kind == L"Edit" ? ROLE_SYSTEM_TEXT : ROLE_SYSTEM_CLIENT;
    for (HWND before = GetWindow(control, GW_HWNDPREV); before != nullptr;
         before = GetWindow(before, GW_HWNDPREV)) {
        if (test::ClassOf(before) == L"Static") {
            return {ReadText(before), role, said};
        }
        if ((StyleOf(before) & (WS_GROUP | WS_TABSTOP)) == (WS_GROUP | WS_TABSTOP)) {
            break;
        }
    }
    return {L"", role, said};
}

// A frame only holds controls: it has nothing to read, and paints no text and no background.
bool IsFrame(HWND control) {
    return test::ClassOf(control) == L"Static" &&
           (StyleOf(control) & SS_TYPEMASK) == SS_ETCHEDFRAME;
}

// The window and its controls that are shown.
std::vector<HWND> ShownIn(HWND window) {
    std::vector<HWND> controls = test::ControlsOf(window);
    controls.insert(controls.begin(), window);
    std::erase_if(controls, [](HWND c) { return (StyleOf(c) & WS_VISIBLE) == 0; });
    return controls;
}

// The controls listed have their names, roles and annotations; every other control shown that
// a user meets (all but the frames that only hold controls) has a name.
void ExpectNamed(HWND window, const std::map<int, Accessible>& expected,
                 const FakeAccessibility& fake) {
    std::size_t found = 0;
    for (const HWND control : ShownIn(window)) {
        const Accessible accessible = ProxyOf(control, fake);
        const int id = GetDlgCtrlID(control);
        const auto listed = expected.find(id);
        found += listed != expected.end() ? 1 : 0;
        EXPECT_TRUE(listed == expected.end() || accessible == listed->second)
            << "control " << id << ": \"" << WideToUtf8(accessible.name) << "\", role "
            << accessible.role << ", said " << static_cast<int>(accessible.said);
        EXPECT_TRUE(control == window || IsFrame(control) || !accessible.name.empty())
            << "control " << id;
    }
    EXPECT_EQ(found, expected.size());
}

// WCAG 2.1's contrast ratio of two colours, 1 to 21, from their relative luminance.
double ContrastRatio(Rgb first, Rgb second) {
    const auto linear = [](std::uint8_t channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const auto luminance = [&](Rgb colour) {
        return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) +
               0.0722 * linear(colour.blue);
    };
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// What WCAG 1.4.3 asks of a text: 4.5 to 1, or 3 to 1 for large text.
double RequiredContrast(bool large) {
    return large ? 3.0 : 4.5;
}

Rgb RgbOf(COLORREF colour) {
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

// Runs paint with a memory device context as big as the control, selected with a bitmap.
template <class Paint>
void PaintInMemory(HWND control, Paint paint) {
    RECT rect{};
    GetClientRect(control, &rect);
    const std::unique_ptr<HDC__, decltype(&DeleteDC)> dc(CreateCompatibleDC(nullptr), &DeleteDC);
    const HDC screen = GetDC(nullptr);
    const ui::win32::GdiObject<HBITMAP> bitmap(
        CreateCompatibleBitmap(screen, rect.right + 1, rect.bottom + 1));
    ReleaseDC(nullptr, screen);
    SelectObject(dc.get(), bitmap.get());
    paint(dc.get(), rect);
}

// Each text has its contrast; in high contrast its colours, and those that the windows and
// dialogs paint their backgrounds in, are the system's.
void ExpectThemeColours(HWND window, const test::SwitchableDisplaySettings& display) {
    const auto& system = display.highContrast().colours;
    const auto systems = [&](Rgb c) {
        return !display.HighContrast() || std::ranges::count(system, c);
    };
    for (const HWND control : ShownIn(window)) {
        const LONG_PTR style = StyleOf(control);
        const std::wstring kind = test::ClassOf(control);
        if (IsFrame(control)) {
            continue;
        }
        // Owner-drawn: a coloured button, a picture; a picture has no text.
        const bool drawn = (kind == L"Button" && (style & BS_TYPEMASK) == BS_OWNERDRAW) ||
                           (kind == L"Static" && (style & SS_TYPEMASK) == SS_OWNERDRAW);
        const LOGFONTW font = test::FontOf(control);
        const double points = -font.lfHeight * 72.0 / ui::win32::TwipsScale().dpi();
        const bool large = points >= 18 || (points >= 14 && font.lfWeight >= FW_BOLD);
        PaintInMemory(control, [&](HDC dc, const RECT& rect) {
            std::optional<Rgb> text;
            Rgb background{255, 255, 255};
            if (drawn) {
                const UINT type = kind == L"Button" ? ODT_BUTTON : ODT_STATIC;
                DRAWITEMSTRUCT item{type, 0, 0, ODA_DRAWENTIRE, 0, control, dc, rect, 0};
                SendMessageW(GetParent(control), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
                if (kind == L"Button") {
                    text = RgbOf(GetTextColor(dc));
                }
                background = RgbOf(GetPixel(dc, 3, 3));
            } else if (kind == L"Static" ||
                       (kind == L"Edit" && (style & (ES_READONLY | WS_DISABLED)))) {
                LOGBRUSH brush{};
                GetObjectW(reinterpret_cast<HBRUSH>(SendMessageW(
                               GetParent(control), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                               reinterpret_cast<LPARAM>(control))),
                           sizeof(brush), &brush);
                // A disabled edit draws its text grey, whatever it is told.
                text = RgbOf((style & WS_DISABLED) != 0 ? GetSysColor(COLOR_GRAYTEXT)
                                                        : GetTextColor(dc));
                background = RgbOf(brush.lbColor);
            } else if (kind.starts_with(L"Verbalo") || kind == L"#32770") {  // a window
                SendMessageW(control, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
                background = RgbOf(GetPixel(dc, 1, 1));
            }
            const double ratio = text ? ContrastRatio(*text, background) : 21;
            EXPECT_TRUE(ratio >= RequiredContrast(large) && systems(text.value_or(background)) &&
                        systems(background))
                << "control " << GetDlgCtrlID(control) << ", contrast " << ratio;
        });
    }
}

// Names, then colours in the normal theme and after a switch to high contrast, as the system
// announces it.
void ExpectAccessible(HWND window, test::SwitchableDisplaySettings& display,
                      const std::map<int, Accessible>& expected,
                      const FakeAccessibility& fake = {}) {
    ExpectNamed(window, expected, fake);
    for (const char* theme : {"in the normal theme", "in high contrast"}) {
        SCOPED_TRACE(theme);
        ExpectThemeColours(window, display);
        display.SwitchToHighContrast();
        SendMessageW(window, WM_SYSCOLORCHANGE, 0, 0);
    }
}

TEST(WindowAccess, EveryControlHasItsNameAndEveryTextItsContrastAlsoInHighContrast) {
    {
        SCOPED_TRACE("the main window, with an amount worded");
        test::MainWindowOnDoubles on;
        ASSERT_TRUE(on.window_.Create(SW_SHOWNORMAL));
        on.window_.SetAmountText("1234,5");
        std::int16_t enter = 13;
        on.window_.form().Text1_KeyPress(enter);
        ExpectAccessible(on.window_.hwnd(), on.display_,
                         {{IDC_TEXT1, {L"Valore", ROLE_SYSTEM_TEXT}},
                          {IDC_LBFORMATTATO, {L"1.234,50", ROLE_SYSTEM_STATICTEXT}},
                          {IDC_TXTLETTERE, {L"Descrizione letterale:", ROLE_SYSTEM_TEXT}},
                          {IDC_LABEL3,
                           {L"Descrizione memorizzata negli appunti di Windows",
                            ROLE_SYSTEM_STATICTEXT, Said::LiveRegionAnnounced}}},
                         on.accessibility_);
    }
    MSG quit{};  // the main window's end posted it, for the message loop
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    {
        SCOPED_TRACE("the About window, shown");
        test::AboutWindowOnDoubles on;
        const test::StandInMainWindow main(100, 100);
        on.about_.SetMainWindow(main.hwnd());
        test::ModalScript script(
            {[&] {
                 ExpectAccessible(
                     on.about_.hwnd(), on.display_,
                     {{IDC_ABOUT_PICTURE1, {L"Icona del programma:", ROLE_SYSTEM_GRAPHIC}},
                      {IDC_ABOUT_CMDOK, {L"OK", ROLE_SYSTEM_PUSHBUTTON}},
                      {IDC_ABOUT_CMDSYSINFO, {L"System Info...", ROLE_SYSTEM_PUSHBUTTON}}},
                     on.accessibility_);
             },
             [] { test::PostKey(VK_ESCAPE); }});
        on.about_.ShowModal();
        EXPECT_TRUE(script.finished());
    }
    SCOPED_TRACE("the producer window");
    test::ProducerWindowOnDoubles on;
    ASSERT_TRUE(on.producer_.Load());
    ExpectAccessible(
        on.producer_.hwnd(), on.display_,
        {{IDC_PRODUCER_PICTURE1, {L"Logo del produttore:", ROLE_SYSTEM_GRAPHIC}},
         {IDC_PRODUCER_LB_ADP4, {L"Mano con il pollice alzato", ROLE_SYSTEM_GRAPHIC}},
         {IDC_PRODUCER_LBMAIL, {Utf8ToWide(maker::kEmail), ROLE_SYSTEM_STATICTEXT, Said::Link}},
         {IDC_PRODUCER_LBSITO,
          {Utf8ToWide(maker::kWebAddress), ROLE_SYSTEM_STATICTEXT, Said::Link}},
         {IDC_PRODUCER_COMMAND1, {L"OK", ROLE_SYSTEM_PUSHBUTTON}},
         {IDC_PRODUCER_CMDINFOSYS, {L"? Sistema", ROLE_SYSTEM_PUSHBUTTON}}},
        on.accessibility_);
}

}  // namespace
}  // namespace verbalo::platform::win32
