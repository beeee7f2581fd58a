// The real About window under Win32: its size at the screen's DPI, its caption and texts after
// the load, where it stands against the main window, and how it behaves shown modally: the
// dialog keys, Enter and Esc, the credit line that opens the producer window on top of it.
// Each opening loads it afresh: what the load leaves is checked inside its modal loop.
#include "ui/win32/about_window.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "info_window_support.h"
#include "modal_window_fixture.h"
#include "resources/resource_ids.h"
#include "ui/win32/producer_window.h"

namespace verbalo::platform::win32 {

using namespace ::verbalo::ui::win32;  // the window adapters under test
namespace {

using test::ModalScript;
using test::Text;

// The system's button-text colour, changed for as long as the object lives.
class ButtonTextColour {
  public:
    explicit ButtonTextColour(COLORREF colour) : saved_(GetSysColor(COLOR_BTNTEXT)) { Set(colour); }
    ~ButtonTextColour() { Set(saved_); }
    ButtonTextColour(const ButtonTextColour&) = delete;
    ButtonTextColour& operator=(const ButtonTextColour&) = delete;

  private:
    static void Set(COLORREF colour) {
        const INT element = COLOR_BTNTEXT;
        SetSysColors(1, &element, &colour);
    }
    COLORREF saved_;
};

// The text colour that the label's parent sets when the label asks it with WM_CTLCOLORSTATIC
// before drawing.
COLORREF TextColourOf(HWND label) {
    const HDC dc = CreateCompatibleDC(nullptr);
    SetTextColor(dc, RGB(1, 2, 3));
    SendMessageW(GetParent(label), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(label));
    const COLORREF colour = GetTextColor(dc);
    DeleteDC(dc);
    return colour;
}

class AboutWindowTest : protected test::AboutWindowOnDoubles,
                        public test::ModalWindowTest<AboutWindow> {
  protected:
    AboutWindowTest() : ModalWindowTest(about_, {100, 200}) {}

    // Runs check with the window shown modally, as each opening loads it, then closes it.
    void WhileShown(const std::function<void()>& check) {
        ShowModalWith({check, [] { test::PostKey(VK_ESCAPE); }});
    }
};

TEST_F(AboutWindowTest, HasItsClientSizeAFixedDialogBorderAndNoMinimizeOrMaximizeBox) {
    WhileShown([&] {
        const SIZE client = test::ClientSize(about_.hwnd());
        EXPECT_EQ(client.cx, scale_.ToPixels(5340));
        EXPECT_EQ(client.cy, scale_.ToPixels(3090));
        const auto style = static_cast<DWORD>(GetWindowLongPtrW(about_.hwnd(), GWL_STYLE));
        EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u);
        EXPECT_NE(style & WS_SYSMENU, 0u);
        EXPECT_NE(GetWindowLongPtrW(about_.hwnd(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME, 0);
    });
}

TEST_F(AboutWindowTest, TheLoadWritesCaptionTitleVersionDescriptionAndNotice) {
    WhileShown([&] {
        EXPECT_EQ(Text(about_.hwnd()), L" Informazioni su Verbalo");
        EXPECT_EQ(Text(Control(IDC_ABOUT_LBLTITLE)), L"Verbalo");
        EXPECT_EQ(Text(Control(IDC_ABOUT_LBLVERSION)), L"Versione 18.3.12");
        const std::wstring description = Text(Control(IDC_ABOUT_LBLDESCRIPTION));
        EXPECT_EQ(description.rfind(L"Converte un numero nella corrispondente descrizione "
                                    L"letterale\n\nIl suo utilizzo principale \u00e8 per la "
                                    L"compilazione di assegni\n\nLa descrizione calcolata",
                                    0),
                  0u);
        EXPECT_EQ(description.find(L'\r'), std::wstring::npos);
        const std::wstring notice = Text(Control(IDC_ABOUT_LB_CR));
        EXPECT_NE(notice.find(L" \n"), std::wstring::npos) << "the first part ends in a blank";
        // The credit keeps its stored text; its "&&" shows one ampersand.
        EXPECT_EQ(Text(Control(IDC_ABOUT_LABEL1)), L"by TALVO snc di Fittizio && C.");
        EXPECT_EQ(Text(Control(IDC_ABOUT_CMDOK)), L"OK");
        EXPECT_EQ(Text(Control(IDC_ABOUT_CMDSYSINFO)), L"&System Info...");
    });
}

TEST_F(AboutWindowTest, EachLabelHasItsOwnTextColourTheNoticeTheSystemsButtonText) {
    // A button-text colour that no label has by design: the ones that have their own keep it.
    const COLORREF buttonText = RGB(0, 160, 0);
    const ButtonTextColour changed(buttonText);
    ASSERT_EQ(GetSysColor(COLOR_BTNTEXT), buttonText);
    const struct {
        int id;
        COLORREF colour;
    } labels[] = {
        {IDC_ABOUT_LBLTITLE, RGB(128, 0, 0)},   {IDC_ABOUT_LABEL1, RGB(0, 0, 128)},
        {IDC_ABOUT_LBLVERSION, RGB(0, 0, 128)}, {IDC_ABOUT_LBLDESCRIPTION, RGB(0, 0, 0)},
        {IDC_ABOUT_LB_CR, buttonText},
    };
    WhileShown([&] {
        for (const auto& label : labels) {
            EXPECT_EQ(TextColourOf(Control(label.id)), label.colour) << "label " << label.id;
        }
    });
}

TEST_F(AboutWindowTest, ControlsStandAtTheirLayoutPositionsInTheirFonts) {
    WhileShown([&] {
        // The frame's left edge lies outside the window; its buttons stand within it.
        ExpectPlaced({
            {.id = IDC_ABOUT_FRAME1, .left = -90, .top = 2025},
            {.id = IDC_ABOUT_CMDOK,
             .in = IDC_ABOUT_FRAME1,
             .left = 3975,
             .top = 150,
             .height = 435},
            {.id = IDC_ABOUT_CMDSYSINFO, .in = IDC_ABOUT_FRAME1, .top = 600},
            {.id = IDC_ABOUT_LABEL1, .left = 2580, .top = 45},
            {.id = IDC_ABOUT_LBLTITLE, .left = 870, .top = 270, .width = 2400},
        });
        const LOGFONTW title = test::FontOf(Control(IDC_ABOUT_LBLTITLE));
        EXPECT_EQ(title.lfHeight, scale_.FontHeight(12));
        EXPECT_EQ(title.lfWeight, FW_BOLD);
        const LOGFONTW notice = test::FontOf(Control(IDC_ABOUT_LB_CR));
        EXPECT_STREQ(notice.lfFaceName, L"Arial");
        EXPECT_EQ(notice.lfHeight, scale_.FontHeight(8.25));
    });
}

TEST_F(AboutWindowTest, StandsTwentyRightOfAndFourHundredBelowTheMainWindowUnclamped) {
    auto expectedAt = [this](int mainLeft, int mainTop) {
        return POINT{scale_.ToPixels(scale_.ToTwips(mainLeft) + 20),
                     scale_.ToPixels(scale_.ToTwips(mainTop) + 400)};
    };
    RECT placed{};
    WhileShown([&] { GetWindowRect(about_.hwnd(), &placed); });
    EXPECT_EQ(placed.left, expectedAt(100, 200).x);
    EXPECT_EQ(placed.top, expectedAt(100, 200).y);

    // Each loading places it anew, also past the screen's edge.
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    MoveWindow(MainWindow(), screenWidth - 120, screenHeight - 90, 480, 160, TRUE);
    WhileShown([&] { GetWindowRect(about_.hwnd(), &placed); });
    EXPECT_EQ(placed.left, expectedAt(screenWidth - 120, screenHeight - 90).x);
    EXPECT_EQ(placed.top, expectedAt(screenWidth - 120, screenHeight - 90).y);
    EXPECT_GT(placed.bottom, screenHeight);
}

TEST_F(AboutWindowTest, TheCloseBoxClosesIt) {
    ShowModalWith({[&] { PostMessageW(about_.hwnd(), WM_CLOSE, 0, 0); }});
    EXPECT_FALSE(about_.IsLoaded());
    EXPECT_EQ(launcher_.calls, 0);
}

TEST_F(AboutWindowTest, OkIsTheDefaultButtonAndTheCreditAndTheVersionShowTheIconAsPointer) {
    WhileShown([&] {
        const auto okStyle = GetWindowLongPtrW(Control(IDC_ABOUT_CMDOK), GWL_STYLE);
        EXPECT_EQ(okStyle & BS_TYPEMASK, BS_DEFPUSHBUTTON);
        EXPECT_NE(okStyle & WS_TABSTOP, 0);
        const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
        const LPARAM overClient = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
        for (const int id : {IDC_ABOUT_LABEL1, IDC_ABOUT_LBLVERSION}) {
            SetCursor(arrow);
            EXPECT_TRUE(SendMessageW(Control(id), WM_SETCURSOR,
                                     reinterpret_cast<WPARAM>(Control(id)), overClient));
            EXPECT_NE(GetCursor(), arrow) << id;
            EXPECT_NE(GetCursor(), nullptr) << id;
        }
        SetCursor(arrow);
        SendMessageW(Control(IDC_ABOUT_LBLTITLE), WM_SETCURSOR,
                     reinterpret_cast<WPARAM>(Control(IDC_ABOUT_LBLTITLE)), overClient);
        EXPECT_EQ(GetCursor(), arrow);
    });
}

TEST_F(AboutWindowTest, ModallyOkHasTheFocusTheMainWindowNoInputAndEscCloses) {
    bool focusOnOk = false;
    bool mainDisabled = false;
    ShowModalWith({[&] {
                       focusOnOk = GetFocus() == Control(IDC_ABOUT_CMDOK);
                       mainDisabled = !IsWindowEnabled(MainWindow());
                   },
                   [] { test::PostKey(VK_ESCAPE); }});
    EXPECT_TRUE(focusOnOk);
    EXPECT_TRUE(mainDisabled);
    EXPECT_FALSE(about_.IsLoaded());
    EXPECT_TRUE(IsWindowEnabled(MainWindow()));
    EXPECT_EQ(GetActiveWindow(), MainWindow());
}

TEST_F(AboutWindowTest, ModallyEnterCloses) {
    ShowModalWith({[] { test::PostKey(VK_RETURN); }});
    EXPECT_FALSE(about_.IsLoaded());
    EXPECT_EQ(launcher_.calls, 0);
    EXPECT_EQ(GetActiveWindow(), MainWindow());
}

TEST_F(AboutWindowTest, TabReachesSystemInfoWhereEnterPressesItAndTheCreditWhereEnterOpensIt) {
    std::vector<int> focused;  // the control with the focus after each Tab
    auto noteFocus = [&] { focused.push_back(GetDlgCtrlID(GetFocus())); };
    auto tab = [] { test::PostKey(VK_TAB); };
    bool openAfterSystemInfo = false;
    ShowModalWith({tab, noteFocus, [] { test::PostKey(VK_RETURN); },
                   [&] { openAfterSystemInfo = about_.IsLoaded(); }, tab, noteFocus, tab, noteFocus,
                   [] { test::PostKey(VK_RETURN); }, tab, noteFocus,
                   [] { test::PostKey(VK_ESCAPE); }});
    EXPECT_EQ(focused, (std::vector<int>{IDC_ABOUT_CMDSYSINFO, IDC_ABOUT_PICTURE1, IDC_ABOUT_LABEL1,
                                         IDC_ABOUT_CMDOK}));
    EXPECT_EQ(opener_.shows, 1);
    EXPECT_EQ(launcher_.calls, 1);
    EXPECT_TRUE(openAfterSystemInfo);
    EXPECT_FALSE(about_.IsLoaded());
}

TEST_F(AboutWindowTest, AltSPressesSystemInfo) {
    ShowModalWith({[] { test::PostAltLetter(L's'); }, [&] { EXPECT_TRUE(about_.IsLoaded()); },
                   [] { test::PostKey(VK_ESCAPE); }});
    EXPECT_EQ(launcher_.calls, 1);
    EXPECT_EQ(systemInfoNotFound_, 0) << "the About window neither clears nor reads it";
}

TEST_F(AboutWindowTest, ClickingTheCreditOpensTheProducerWindow) {
    ShowModalWith({[this] {
                       PostMessageW(Control(IDC_ABOUT_LABEL1), WM_LBUTTONDOWN, MK_LBUTTON,
                                    MAKELPARAM(5, 5));
                       PostMessageW(Control(IDC_ABOUT_LABEL1), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
                   },
                   [] { test::PostKey(VK_ESCAPE); }});
    EXPECT_EQ(opener_.shows, 1);
}

TEST_F(AboutWindowTest, EachOpeningLoadsItAfresh) {
    ShowModalWith({[] { test::PostKey(VK_RETURN); }});
    MoveWindow(MainWindow(), 300, 100, 480, 160, TRUE);
    POINT at{};
    ShowModalWith({[&] {
                       RECT rect{};
                       GetWindowRect(about_.hwnd(), &rect);
                       at = {rect.left, rect.top};
                   },
                   [] { test::PostKey(VK_RETURN); }});
    EXPECT_EQ(at.x, scale_.ToPixels(scale_.ToTwips(300) + 20));
    EXPECT_EQ(at.y, scale_.ToPixels(scale_.ToTwips(100) + 400));
}

TEST_F(AboutWindowTest, AQuitMessageEndsTheModalLoopAndIsPostedAgain) {
    ShowModalWith({[] { PostQuitMessage(7); }});
    EXPECT_FALSE(about_.IsLoaded());
    EXPECT_TRUE(IsWindowEnabled(MainWindow()));
    MSG message{};
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 7u);
}

// The credit line opens the real producer window modally on top of the About window, and
// closing it comes back to the About window.
TEST(AboutWithProducerWindow, TheProducerWindowOpensOnTopAndClosesBackToAbout) {
    test::StandInMainWindow main(120, 140);
    test::ProducerWindowOnDoubles on;
    ProducerWindow& producer = on.producer_;
    AboutWindow about(GetModuleHandleW(nullptr), on.launcher_, producer);
    producer.SetMainWindow(main.hwnd());
    about.SetMainWindow(main.hwnd());

    bool producerOnTop = false;
    bool aboutDisabled = false;
    bool aboutActiveAfter = false;
    bool okFocusedAfter = false;
    ModalScript script({[&] {
                            const HWND credit = GetDlgItem(about.hwnd(), IDC_ABOUT_LABEL1);
                            PostMessageW(credit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
                            PostMessageW(credit, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
                        },
                        [&] {
                            producerOnTop = producer.IsLoaded() &&
                                            GetActiveWindow() == producer.hwnd() &&
                                            IsWindowVisible(producer.hwnd());
                            aboutDisabled = !IsWindowEnabled(about.hwnd());
                        },
                        [] { test::PostAltLetter(L'o'); },
                        [&] {
                            aboutActiveAfter = GetActiveWindow() == about.hwnd();
                            okFocusedAfter = GetDlgCtrlID(GetFocus()) == IDC_ABOUT_CMDOK;
                        },
                        [] { test::PostKey(VK_ESCAPE); }});
    script.rescue = [&] {
        PostMessageW(producer.hwnd(), WM_CLOSE, 0, 0);
        PostMessageW(about.hwnd(), WM_CLOSE, 0, 0);
    };
    about.ShowModal();
    EXPECT_TRUE(script.finished());
    EXPECT_TRUE(producerOnTop);
    EXPECT_TRUE(aboutDisabled);
    EXPECT_FALSE(producer.IsLoaded());
    EXPECT_TRUE(aboutActiveAfter);
    EXPECT_TRUE(okFocusedAfter);
    EXPECT_FALSE(about.IsLoaded());
    EXPECT_EQ(GetActiveWindow(), main.hwnd());
}

}  // namespace
}  // namespace verbalo::platform::win32
