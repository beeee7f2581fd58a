// The real main window under Win32: sizes at the screen's DPI, centring, the size rules, the
// menu, the caption and the version resource of the program.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/fakes/fake_clipboard.h"
#include "platform/fakes/fake_dialogs.h"
#include "platform/fakes/fake_keyboard_events.h"
#include "platform/fakes/fake_locale.h"
#include "resources/resource_ids.h"
#include "ui/win32/dpi.h"
#include "ui/win32/form1_window.h"

namespace verbalo::platform::win32 {

using namespace ::verbalo::ui::win32;  // the window adapters under test
namespace {

class NoWindows : public InformationWindow {
  public:
    void ShowModal() override {}
};

std::wstring Text(HWND window) {
    wchar_t buffer[512] = {};
    GetWindowTextW(window, buffer, 512);
    return buffer;
}

// One window for the whole suite: creating and destroying a window costs seconds under Wine.
class Form1WindowTest : public ::testing::Test {
  protected:
    struct Shared {
        FakeClipboard clipboard;
        FakeLocale locale;
        FakeDialogs dialogs;
        FakeKeyboardEvents keyboard;
        NoWindows windows;
        Form1Window window{GetModuleHandleW(nullptr),
                           {clipboard, locale, dialogs, keyboard, windows, windows}};
    };

    static void SetUpTestSuite() {
        shared_ = new Shared;
        created_ = shared_->window.Create(SW_SHOWNORMAL);
        GetWindowRect(shared_->window.hwnd(), &openedAt_);
    }
    static void TearDownTestSuite() {
        delete shared_;
        shared_ = nullptr;
    }
    void SetUp() override {
        ASSERT_TRUE(created_);
        hwnd_ = shared_->window.hwnd();
    }

    int OuterWidthPx() const {
        RECT r{};
        GetWindowRect(hwnd_, &r);
        return r.right - r.left;
    }
    int OuterHeightPx() const {
        RECT r{};
        GetWindowRect(hwnd_, &r);
        return r.bottom - r.top;
    }
    int ClientWidthPx() const {
        RECT r{};
        GetClientRect(hwnd_, &r);
        return r.right;
    }
    RECT ControlRect(int id) const {
        RECT r{};
        GetWindowRect(GetDlgItem(hwnd_, id), &r);
        MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    static inline Shared* shared_ = nullptr;
    static inline bool created_ = false;
    static inline RECT openedAt_{};
    TwipsScale scale_;
    HWND hwnd_ = nullptr;
};

TEST_F(Form1WindowTest, OpensCollapsedAtTheMinimumWidthOrMore) {
    EXPECT_EQ(openedAt_.bottom - openedAt_.top, scale_.ToPixelsAtLeast(2060));
    EXPECT_GE(openedAt_.right - openedAt_.left, scale_.ToPixelsAtLeast(7395));
}

TEST_F(Form1WindowTest, IsCentredOnTheScreenAtItsDesignSize) {
    RECT design{0, 0, scale_.ToPixels(7155), scale_.ToPixels(1395)};
    AdjustWindowRectEx(&design, WS_OVERLAPPEDWINDOW, TRUE, 0);
    const int designWidth = design.right - design.left;
    const int designHeight = design.bottom - design.top;
    EXPECT_NEAR(openedAt_.left, (GetSystemMetrics(SM_CXSCREEN) - designWidth) / 2, 1);
    EXPECT_NEAR(openedAt_.top, (GetSystemMetrics(SM_CYSCREEN) - designHeight) / 2, 1);
}

TEST_F(Form1WindowTest, SnapsBackToTheMinimumWidthAndKeepsTheHeight) {
    SetWindowPos(hwnd_, nullptr, 0, 0, 200, 400, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(OuterWidthPx(), scale_.ToPixelsAtLeast(7395));
    EXPECT_EQ(OuterHeightPx(), scale_.ToPixelsAtLeast(2060));
}

TEST_F(Form1WindowTest, TheOutputBoxIsTheClientWidthLess120Twips) {
    for (const int width : {scale_.ToPixelsAtLeast(7395), 700, 900}) {
        SetWindowPos(hwnd_, nullptr, 0, 0, width, 300, SWP_NOMOVE | SWP_NOZORDER);
        const RECT box = ControlRect(IDC_TXTLETTERE);
        EXPECT_NEAR(box.right - box.left, scale_.ToPixels(scale_.ToTwips(ClientWidthPx()) - 120), 1)
            << width;
        EXPECT_EQ(box.left, scale_.ToPixels(60));
    }
}

TEST_F(Form1WindowTest, ControlsStandAtTheirLayoutPositions) {
    const RECT field = ControlRect(IDC_TEXT1);
    EXPECT_EQ(field.left, scale_.ToPixels(855));
    EXPECT_EQ(field.top, scale_.ToPixels(90));
    EXPECT_EQ(field.right - field.left, scale_.ToPixels(1770));
    const RECT echo = ControlRect(IDC_LBFORMATTATO);
    EXPECT_EQ(echo.left, scale_.ToPixels(2700));
    const RECT status = ControlRect(IDC_LABEL3);
    EXPECT_EQ(status.top, scale_.ToPixels(1125));
    EXPECT_EQ(SendMessageW(GetDlgItem(hwnd_, IDC_TEXT1), EM_GETLIMITTEXT, 0, 0), 15);
    // The output box: read-only, no tab stop, but enabled, so that its text is drawn in the
    // colour it is given.
    const HWND box = GetDlgItem(hwnd_, IDC_TXTLETTERE);
    EXPECT_TRUE(IsWindowEnabled(box));
    EXPECT_EQ(GetWindowLongPtrW(box, GWL_STYLE) & (ES_READONLY | WS_TABSTOP), ES_READONLY);
}

TEST_F(Form1WindowTest, HasTheCaptionWithTheMakersCredit) {
    const std::wstring caption = Text(hwnd_);
    EXPECT_EQ(caption, L"  DESCRIZIONE LETTERALE DI NUMERI        by TALVO snc di Fittizio & C.");
}

TEST_F(Form1WindowTest, MenuBarHoldsTheCommandsAndTheCaseDropDown) {
    const HMENU bar = GetMenu(hwnd_);
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), 4);
    auto itemText = [](HMENU menu, int position) {
        wchar_t buffer[64] = {};
        GetMenuStringW(menu, static_cast<UINT>(position), buffer, 64, MF_BYPOSITION);
        return std::wstring(buffer);
    };
    EXPECT_EQ(itemText(bar, 0), L"&Fine");
    EXPECT_EQ(itemText(bar, 1), L"&Case");
    EXPECT_EQ(itemText(bar, 2), L"Su &Verbalo");
    EXPECT_EQ(itemText(bar, 3), L"SU &TALVO");
    EXPECT_EQ(GetSubMenu(bar, 0), nullptr);
    EXPECT_EQ(GetSubMenu(bar, 2), nullptr);
    EXPECT_EQ(GetSubMenu(bar, 3), nullptr);
    const HMENU cases = GetSubMenu(bar, 1);
    ASSERT_NE(cases, nullptr);
    ASSERT_EQ(GetMenuItemCount(cases), 3);
    EXPECT_EQ(itemText(cases, 0), L"&MAIUSCOLO");
    EXPECT_EQ(itemText(cases, 1), L"Mi&nuscolo");
    EXPECT_EQ(itemText(cases, 2), L"&Inizio Parola");
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(GetMenuState(cases, static_cast<UINT>(i), MF_BYPOSITION) & MF_CHECKED, 0u);
    }
}

TEST_F(Form1WindowTest, SettingTheAmountRunsTheChangeHandlerAndEchoes) {
    shared_->window.SetAmountText("1234,5");
    EXPECT_EQ(Text(GetDlgItem(hwnd_, IDC_LBFORMATTATO)), L"1.234,50");
}

TEST(ProgramVersion, ReadsEighteenThreeZeroTwelve) {
    std::string path = "Z:" VERBALO_EXE_UNIX_PATH;
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
    ASSERT_GT(size, 0u) << path;
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, data.data()));
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&info), &length));
    EXPECT_EQ(HIWORD(info->dwFileVersionMS), 18);
    EXPECT_EQ(LOWORD(info->dwFileVersionMS), 3);
    EXPECT_EQ(HIWORD(info->dwFileVersionLS), 0);
    EXPECT_EQ(LOWORD(info->dwFileVersionLS), 12);
    char* name = nullptr;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\StringFileInfo\\041004B0\\ProductName",
                               reinterpret_cast<void**>(&name), &length));
    EXPECT_STREQ(name, "Verbalo");
}

}  // namespace
}  // namespace verbalo::platform::win32
