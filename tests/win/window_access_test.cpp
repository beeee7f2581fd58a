// What a screen reader finds in the three windows, read from the real window tree by the rule
// the Windows accessibility proxies document: a button or a static is named by its own text, any
// other control by the static before it in z-order, the search stopping at a control that is
// both WS_GROUP and WS_TABSTOP. (Wine's proxies name every window by its own text, so the rule
// is applied here rather than asked of them.)
#include <windows.h>
// After windows.h, which it builds on.
#include <oleacc.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "loaded_windows.h"
#include "platform/win32/text_conversion.h"
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

struct Accessible {
    std::wstring name;
    long role;
    friend bool operator==(const Accessible&, const Accessible&) = default;
    friend void PrintTo(const Accessible& a, std::ostream* out) {
        *out << '"' << WideToUtf8(a.name) << "\", role " << a.role;
    }
};

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
void ExpectNamed(HWND window, const std::vector<Expected>& expected) {
    std::size_t found = 0;
    std::vector<HWND> controls;
    EnumChildWindows(window, AddControl, reinterpret_cast<LPARAM>(&controls));
    for (const HWND control : controls) {
        const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
        const Accessible accessible = ProxyOf(control);
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
        ExpectNamed(
            on.window.hwnd(),
            {{IDC_TEXT1, {L"Valore", ROLE_SYSTEM_TEXT}},
             {IDC_LBFORMATTATO, {L"1.234,50", ROLE_SYSTEM_STATICTEXT}},
             {IDC_TXTLETTERE, {L"Descrizione letterale:", ROLE_SYSTEM_TEXT}},
             {IDC_LABEL3,
              {L"Descrizione memorizzata negli appunti di Windows", ROLE_SYSTEM_STATICTEXT}}});
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
    ExpectNamed(producer.hwnd(),
                {{IDC_PRODUCER_PICTURE1, {L"Logo del produttore:", ROLE_SYSTEM_CLIENT}},
                 {IDC_PRODUCER_LBMAIL, {Utf8ToWide(maker::kEmail), ROLE_SYSTEM_STATICTEXT}},
                 {IDC_PRODUCER_LBSITO, {Utf8ToWide(maker::kWebAddress), ROLE_SYSTEM_STATICTEXT}},
                 {IDC_PRODUCER_COMMAND1, {L"OK", ROLE_SYSTEM_PUSHBUTTON}},
                 {IDC_PRODUCER_CMDINFOSYS, {L"? Sistema", ROLE_SYSTEM_PUSHBUTTON}}});
}

}  // namespace
}  // namespace verbalo::platform::win32
