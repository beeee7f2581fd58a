// What a screen reader finds in the three windows, read from the real window tree by the rule
// the Windows accessibility proxies document: a button or a static is named by its own text, any
// other control by the static before it in z-order, the search stopping at a control that is
// both WS_GROUP and WS_TABSTOP. (Wine's proxies name every window by its own text, so the rule
// is applied here rather than asked of them.) And the colours the windows answer for their texts
// (WM_CTLCOLORSTATIC, the owner-drawn buttons' painting) and paint their backgrounds in: in the
// normal theme each text has the contrast WCAG 1.4.3 asks, in high contrast each colour is one of
// the system's.
#include <windows.h>
// After windows.h, which it builds on.
#include <oleacc.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "loaded_windows.h"
#include "platform/win32/text_conversion.h"
#include "resources/colour_scheme.h"
#include "resources/maker_data.h"
#include "resources/resource_ids.h"

namespace verbalo::platform::win32 {
namespace {

std::wstring ClassOf(HWND control) {
    wchar_t name[64] = {};
    GetClassNameW(control, name, 64);
    return name;
}

// A static's or a button's text as it reads: "&" marks an access key, "&&" is one "&".
std::wstring ReadText(HWND control) {
    const std::wstring text = test::Text(control);
    const bool prefixes =
        ClassOf(control) != L"Static" || (GetWindowLongPtrW(control, GWL_STYLE) & SS_NOPREFIX) == 0;
    std::wstring read;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (prefixes && text[i] == L'&' && ++i == text.size()) {
            break;
        }
        read += text[i];
    }
    return read;
}

// What is said beyond the proxies' name and role (a fake stands for the annotation service).
enum class Said { Nothing, Link, LiveRegionAnnounced };

struct Accessible {
    std::wstring name;
    long role;
    Said said = Said::Nothing;
    friend bool operator==(const Accessible&, const Accessible&) = default;
    friend void PrintTo(const Accessible& a, std::ostream* out) {
        *out << '"' << WideToUtf8(a.name) << "\", role " << a.role << ", said "
             << static_cast<int>(a.said);
    }
};

Said SaidOf(HWND control, const FakeAccessibility& said) {
    const auto handle = reinterpret_cast<WindowHandle>(control);
    if (said.links.contains(handle)) {
        return Said::Link;
    }
    const bool announced = std::ranges::find(said.changes, handle) != said.changes.end();
    return said.liveRegions.contains(handle) && announced ? Said::LiveRegionAnnounced
                                                          : Said::Nothing;
}

Accessible ProxyOf(HWND control) {
    const std::wstring kind = ClassOf(control);
    if (kind == L"Static") {
        return {ReadText(control), ROLE_SYSTEM_STATICTEXT};
    }
    if (kind == L"Button") {
        return {ReadText(control), ROLE_SYSTEM_PUSHBUTTON};
    }
    const long role = kind == L"Edit" ? ROLE_SYSTEM_TEXT : ROLE_SYSTEM_CLIENT;
    for (HWND before = GetWindow(control, GW_HWNDPREV); before != nullptr;
         before = GetWindow(before, GW_HWNDPREV)) {
        if (ClassOf(before) == L"Static") {
            return {ReadText(before), role};
        }
        const LONG_PTR style = GetWindowLongPtrW(before, GWL_STYLE);
        if ((style & (WS_GROUP | WS_TABSTOP)) == (WS_GROUP | WS_TABSTOP)) {
            break;
        }
    }
    return {L"", role};
}

struct Expected {
    int id;
    Accessible accessible;
};

BOOL CALLBACK AddControl(HWND control, LPARAM controls) {
    reinterpret_cast<std::vector<HWND>*>(controls)->push_back(control);
    return TRUE;
}

// The controls listed have their names and roles, and every other control shown that a user
// can meet (all but the frames that only hold controls) has a name.
void ExpectNamed(HWND window, const std::vector<Expected>& expected,
                 const FakeAccessibility& said = {}) {
    std::size_t found = 0;
    std::vector<HWND> controls;
    EnumChildWindows(window, AddControl, reinterpret_cast<LPARAM>(&controls));
    for (const HWND control : controls) {
        const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
        Accessible accessible = ProxyOf(control);
        accessible.said = SaidOf(control, said);
        const int id = GetDlgCtrlID(control);
        for (const Expected& listed : expected) {
            if (listed.id == id) {
                ++found;
                EXPECT_EQ(accessible, listed.accessible) << "control " << id;
            }
        }
        const bool holdsControls =
            GetWindow(control, GW_CHILD) != nullptr && (style & WS_TABSTOP) == 0;
        if ((style & WS_VISIBLE) != 0 && !holdsControls) {
            EXPECT_FALSE(accessible.name.empty()) << "control " << id;
        }
    }
    EXPECT_EQ(found, expected.size());
}

TEST(WindowAccess, EveryControlOfTheThreeWindowsHasItsName) {
    {
        SCOPED_TRACE("the main window, with an amount worded");
        test::MainWindowOnDoubles on;
        ASSERT_TRUE(on.window.Create(SW_SHOWNORMAL));
        on.window.SetAmountText("1234,5");
        std::int16_t enter = 13;
        on.window.form().Text1_KeyPress(enter);
        ExpectNamed(on.window.hwnd(),
                    {{IDC_TEXT1, {L"Valore", ROLE_SYSTEM_TEXT}},
                     {IDC_LBFORMATTATO, {L"1.234,50", ROLE_SYSTEM_STATICTEXT}},
                     {IDC_TXTLETTERE, {L"Descrizione letterale:", ROLE_SYSTEM_TEXT}},
                     {IDC_LABEL3,
                      {L"Descrizione memorizzata negli appunti di Windows", ROLE_SYSTEM_STATICTEXT,
                       Said::LiveRegionAnnounced}}},
                    on.accessibility);
    }
    {
        SCOPED_TRACE("the About window");
        test::AboutWindowOnDoubles on;
        const test::LoadedModal about(on.about_);
        ASSERT_TRUE(about.loaded());
        ExpectNamed(about.hwnd(),
                    {{IDC_ABOUT_PICTURE1, {L"Icona del programma:", ROLE_SYSTEM_CLIENT}},
                     {IDC_ABOUT_CMDOK, {L"OK", ROLE_SYSTEM_PUSHBUTTON}},
                     {IDC_ABOUT_CMDSYSINFO, {L"System Info...", ROLE_SYSTEM_PUSHBUTTON}}});
    }
    SCOPED_TRACE("the producer window");
    test::ProducerWindowOnDoubles on;
    const test::LoadedModal producer(on.producer_);
    ASSERT_TRUE(producer.loaded());
    ExpectNamed(
        producer.hwnd(),
        {{IDC_PRODUCER_PICTURE1, {L"Logo del produttore:", ROLE_SYSTEM_CLIENT}},
         {IDC_PRODUCER_LBMAIL, {Utf8ToWide(maker::kEmail), ROLE_SYSTEM_STATICTEXT, Said::Link}},
         {IDC_PRODUCER_LBSITO,
          {Utf8ToWide(maker::kWebAddress), ROLE_SYSTEM_STATICTEXT, Said::Link}},
         {IDC_PRODUCER_COMMAND1, {L"OK", ROLE_SYSTEM_PUSHBUTTON}},
         {IDC_PRODUCER_CMDINFOSYS, {L"? Sistema", ROLE_SYSTEM_PUSHBUTTON}}},
        on.accessibility_);
}

// A bitmap to paint into, as big as the control.
class MemoryPainting {
  public:
    explicit MemoryPainting(HWND control) : dc_(CreateCompatibleDC(nullptr)) {
        GetClientRect(control, &rect_);
        const HDC screen = GetDC(nullptr);
        bitmap_ =
            CreateCompatibleBitmap(screen, std::max(1L, rect_.right), std::max(1L, rect_.bottom));
        ReleaseDC(nullptr, screen);
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~MemoryPainting() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    MemoryPainting(const MemoryPainting&) = delete;
    MemoryPainting& operator=(const MemoryPainting&) = delete;

    HDC dc() const { return dc_; }
    const RECT& rect() const { return rect_; }

  private:
    HDC dc_;
    RECT rect_{};
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

Rgb RgbOf(COLORREF colour) {
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

// A text and its background as a control shows them; nothing for a control the system draws.
struct Shown {
    Rgb text;
    Rgb background;
    bool large;  // 18 points, or 14 points bold
};

std::optional<Shown> ShownBy(HWND control) {
    const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
    const std::wstring kind = ClassOf(control);
    const LOGFONTW font = test::FontOf(control);
    MemoryPainting painting(control);
    const double points = -font.lfHeight * 72.0 / GetDeviceCaps(painting.dc(), LOGPIXELSY);
    const bool large = points >= 18 || (points >= 14 && font.lfWeight >= FW_BOLD);
    if (kind == L"Static" || (kind == L"Edit" && (style & (ES_READONLY | WS_DISABLED)) != 0)) {
        const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
            GetParent(control), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(painting.dc()),
            reinterpret_cast<LPARAM>(control)));
        LOGBRUSH background{};
        GetObjectW(brush, sizeof(background), &background);
        // A disabled edit draws its text grey, whatever it is told.
        const COLORREF text =
            (style & WS_DISABLED) != 0 ? GetSysColor(COLOR_GRAYTEXT) : GetTextColor(painting.dc());
        return Shown{RgbOf(text), RgbOf(background.lbColor), large};
    }
    if (kind == L"Button" && (style & BS_TYPEMASK) == BS_OWNERDRAW) {
        DRAWITEMSTRUCT item{ODT_BUTTON,
                            static_cast<UINT>(GetDlgCtrlID(control)),
                            0,
                            ODA_DRAWENTIRE,
                            0,
                            control,
                            painting.dc(),
                            painting.rect(),
                            0};
        SendMessageW(GetParent(control), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
        return Shown{RgbOf(GetTextColor(painting.dc())), RgbOf(GetPixel(painting.dc(), 3, 3)),
                     large};
    }
    return std::nullopt;
}

// The background a window or panel paints.
Rgb PaintedBackground(HWND window) {
    MemoryPainting painting(window);
    SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(painting.dc()), 0);
    return RgbOf(GetPixel(painting.dc(), 1, 1));
}

// Every text shown in `window` has its contrast; in high contrast each colour, the painted
// backgrounds' too, is one of the system's.
void ExpectThemeColours(HWND window, const test::SwitchableDisplaySettings& display) {
    const auto& system = display.highContrast().colours;
    const auto isSystems = [&](Rgb colour) {
        return std::ranges::find(system, colour) != system.end();
    };
    std::vector<HWND> controls{window};
    EnumChildWindows(window, AddControl, reinterpret_cast<LPARAM>(&controls));
    for (const HWND control : controls) {
        if ((GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) == 0) {
            continue;
        }
        const int id = GetDlgCtrlID(control);
        if (const auto shown = ShownBy(control)) {
            EXPECT_GE(colours::ContrastRatio(shown->text, shown->background),
                      colours::RequiredContrast(shown->large))
                << "control " << id;
            if (display.HighContrast()) {
                EXPECT_TRUE(isSystems(shown->text) && isSystems(shown->background))
                    << "control " << id;
            }
        } else if (display.HighContrast() && ClassOf(control).starts_with(L"Verbalo")) {
            EXPECT_TRUE(isSystems(PaintedBackground(control))) << "window or panel " << id;
        }
    }
}

// Each window is read in the normal theme, then switched to high contrast as the system does it.
void ExpectThemeColoursBeforeAndAfterTheSwitch(HWND window,
                                               test::SwitchableDisplaySettings& display) {
    {
        SCOPED_TRACE("in the normal theme");
        ExpectThemeColours(window, display);
    }
    SCOPED_TRACE("in high contrast");
    display.SwitchToHighContrast();
    SendMessageW(window, WM_SYSCOLORCHANGE, 0, 0);
    ExpectThemeColours(window, display);
}

TEST(WindowAccess, EveryTextHasItsContrastAndGivesWayToTheSystemsColoursInHighContrast) {
    {
        SCOPED_TRACE("the main window");
        test::MainWindowOnDoubles on;
        ASSERT_TRUE(on.window.Create(SW_SHOWNORMAL));
        ExpectThemeColoursBeforeAndAfterTheSwitch(on.window.hwnd(), on.display);
    }
    {
        SCOPED_TRACE("the About window");
        test::AboutWindowOnDoubles on;
        const test::LoadedModal about(on.about_);
        ASSERT_TRUE(about.loaded());
        ExpectThemeColoursBeforeAndAfterTheSwitch(about.hwnd(), on.display_);
    }
    SCOPED_TRACE("the producer window");
    test::ProducerWindowOnDoubles on;
    const test::LoadedModal producer(on.producer_);
    ASSERT_TRUE(producer.loaded());
    ExpectThemeColoursBeforeAndAfterTheSwitch(producer.hwnd(), on.display_);
}

}  // namespace
}  // namespace verbalo::platform::win32
