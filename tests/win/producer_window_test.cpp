// The real producer window under Win32: its size, caption, controls and texts after the load,
// its colours on the screen, the pointer moves that make the link labels hot or plain and the
// presses that open the links, its loading hidden for the launcher, and how it behaves shown
// modally: the focus order, Alt+O, Enter on the focused button and no cancel button.
#include "ui/win32/producer_window.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "info_window_support.h"
#include "modal_window_fixture.h"
#include "resources/resource_ids.h"

namespace verbalo::platform::win32 {

using namespace ::verbalo::ui::win32;  // the window adapters under test
namespace {

using test::ModalScript;
using test::Text;

// The width of the part of a control that shows: its client area, cut by its parent's and so on
// up to the window's, which some labels reach past.
int VisibleWidth(HWND control, HWND window) {
    RECT visible{};
    GetClientRect(control, &visible);
    MapWindowPoints(control, window, reinterpret_cast<POINT*>(&visible), 2);
    for (HWND area = GetParent(control); area != nullptr;
         area = area == window ? nullptr : GetParent(area)) {
        RECT client{};
        GetClientRect(area, &client);
        MapWindowPoints(area, window, reinterpret_cast<POINT*>(&client), 2);
        IntersectRect(&visible, &visible, &client);
    }
    return visible.right - visible.left;
}

// The width of a label's text, its longest line, drawn in the label's current font, "&" marking
// an access key. A label breaks a line that is wider than itself at a blank, or cuts it.
int TextWidth(HWND label) {
    const std::wstring text = Text(label);
    const HDC dc = GetDC(label);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
    RECT rect{};
    DrawTextW(dc, text.c_str(), -1, &rect, DT_CALCRECT | DT_EXPANDTABS);
    SelectObject(dc, previous);
    ReleaseDC(label, dc);
    return rect.right - rect.left;
}

class ProducerWindowTest : protected test::ProducerWindowOnDoubles,
                           public test::ModalWindowTest<ProducerWindow> {
  protected:
    ProducerWindowTest() : ModalWindowTest(producer_, {60, 80}) {}

    HWND Frame() const { return Control(IDC_PRODUCER_FRAME1); }
    HWND Picture() const { return Control(IDC_PRODUCER_PICTURE1); }
    bool IsHot(int id) const {
        const LOGFONTW font = test::FontOf(Control(id));
        return font.lfWeight == FW_BOLD && font.lfUnderline != 0;
    }
    bool IsPlain(int id) const {
        const LOGFONTW font = test::FontOf(Control(id));
        return font.lfWeight == FW_NORMAL && font.lfUnderline == 0;
    }
    // The pointer over a control at (x, y) in it: the labels let it through to the window.
    void MoveOver(HWND control, int x, int y) const { Pointer(WM_MOUSEMOVE, 0, control, x, y); }
    void Pointer(UINT message, WPARAM keys, HWND control, int x, int y) const {
        POINT at{x, y};
        MapWindowPoints(control, producer_.hwnd(), &at, 1);
        SendMessageW(producer_.hwnd(), message, keys, MAKELPARAM(at.x, at.y));
    }
};

TEST_F(ProducerWindowTest, HasItsClientSizeCaptionAndOnlyACloseBox) {
    ASSERT_TRUE(producer_.Load());
    const SIZE client = test::ClientSize(producer_.hwnd());
    EXPECT_EQ(client.cx, scale_.ToPixels(5325));
    EXPECT_EQ(client.cy, scale_.ToPixels(3795));
    EXPECT_EQ(Text(producer_.hwnd()), L"  Pproduttore del SoftWare");
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(producer_.hwnd(), GWL_STYLE));
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0u);
    EXPECT_NE(style & WS_SYSMENU, 0u);
    EXPECT_FALSE(IsWindowVisible(producer_.hwnd()));
}

TEST_F(ProducerWindowTest, TheLoadCentresItOnTheScreen) {
    ASSERT_TRUE(producer_.Load());
    RECT rect{};
    GetWindowRect(producer_.hwnd(), &rect);
    const int width = scale_.ToTwips(rect.right - rect.left);
    const int height = scale_.ToTwips(rect.bottom - rect.top);
    const int screenWidth = scale_.ToTwips(GetSystemMetrics(SM_CXSCREEN));
    const int screenHeight = scale_.ToTwips(GetSystemMetrics(SM_CYSCREEN));
    EXPECT_NEAR(rect.left, scale_.ToPixels((screenWidth - width) / 2), 1);
    EXPECT_NEAR(rect.top, scale_.ToPixels((screenHeight - height) / 2), 1);
}

TEST_F(ProducerWindowTest, TheLoadWritesTownNumbersAndNoticeAtSevenPoints) {
    ASSERT_TRUE(producer_.Load());
    EXPECT_EQ(Text(Control(IDC_PRODUCER_LBINDIRIZZO)), L" Vallefinta (VF)");
    EXPECT_EQ(Text(Control(IDC_PRODUCER_LB_DATI)),
              L" Tel. :  000 111222           Fax:   000 111333\n  Cell.:  300 1112223  ");
    const std::wstring notice = Text(Control(IDC_PRODUCER_LB_CR));
    EXPECT_NE(notice.find(L"distribuzione  non"), std::wstring::npos);
    const LOGFONTW noticeFont = test::FontOf(Control(IDC_PRODUCER_LB_CR));
    EXPECT_EQ(noticeFont.lfHeight, scale_.FontHeight(7));
    EXPECT_STREQ(noticeFont.lfFaceName, L"Arial");
}

// The test prefix has no Wingdings that draws the pictogram: the label draws a hand of its own,
// within itself, in the pictogram's teal.
TEST_F(ProducerWindowTest, WithoutTheSymbolFontThePictogramIsDrawn) {
    ASSERT_TRUE(producer_.Load());
    const HWND thumb = Control(IDC_PRODUCER_LB_ADP4);
    ASSERT_EQ(GetWindowLongPtrW(thumb, GWL_STYLE) & SS_TYPEMASK, SS_OWNERDRAW);
    const SIZE size = test::ClientSize(thumb);
    const HDC screen = GetDC(thumb);
    const HDC dc = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, size.cx, size.cy);
    const HGDIOBJ previous = SelectObject(dc, bitmap);
    SendMessageW(thumb, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    RECT inked{size.cx, size.cy, 0, 0};
    for (int y = 0; y < size.cy; ++y) {
        for (int x = 0; x < size.cx; ++x) {
            if (GetPixel(dc, x, y) == RGB(0, 128, 128)) {
                inked = {std::min<LONG>(inked.left, x), std::min<LONG>(inked.top, y),
                         std::max<LONG>(inked.right, x + 1), std::max<LONG>(inked.bottom, y + 1)};
            }
        }
    }
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(thumb, screen);
    // Most of the label's width and height, centred in it.
    EXPECT_GE(inked.right - inked.left, size.cx * 3 / 4);
    EXPECT_GE(inked.bottom - inked.top, size.cy * 3 / 4);
    EXPECT_NEAR(inked.left, size.cx - inked.right, 2);
}

TEST_F(ProducerWindowTest, NamesLinksAndButtonsShowTheirTexts) {
    ASSERT_TRUE(producer_.Load());
    EXPECT_EQ(Text(Control(IDC_PRODUCER_LB_ADP0)), L"TALVO");
    EXPECT_EQ(Text(Control(IDC_PRODUCER_LB_ADP1)), L"snc");
    EXPECT_EQ(Text(Control(IDC_PRODUCER_LB_ADP3)), L"di Fittizio && C.");
    EXPECT_EQ(Text(Control(IDC_PRODUCER_LB_ADP4)), L"C");
    EXPECT_EQ(test::FontOf(Control(IDC_PRODUCER_LB_ADP4)).lfCharSet, SYMBOL_CHARSET);
    EXPECT_EQ(Text(Control(IDC_PRODUCER_LABEL3_1)), L"E-mail:");
    EXPECT_EQ(Text(Control(IDC_PRODUCER_LABEL3_0)), L"Sito:");
    EXPECT_EQ(Text(Control(IDC_PRODUCER_LBMAIL)), L"tv@tlv.example");
    EXPECT_EQ(Text(Control(IDC_PRODUCER_LBSITO)), L"https://tlv.example");
    EXPECT_EQ(Text(Control(IDC_PRODUCER_COMMAND1)), L"&OK");
    EXPECT_EQ(Text(Control(IDC_PRODUCER_CMDINFOSYS)), L"? &Sistema");
    const LOGFONTW trade = test::FontOf(Control(IDC_PRODUCER_LB_ADP0));
    EXPECT_EQ(trade.lfHeight, scale_.FontHeight(26.25));
    EXPECT_EQ(trade.lfWeight, FW_BOLD);
}

TEST_F(ProducerWindowTest, ControlsStandAtTheirLayoutPositions) {
    ASSERT_TRUE(producer_.Load());
    ExpectPlaced({
        {.id = IDC_PRODUCER_LBMAIL, .left = 1065, .top = 2295, .width = 1530, .height = 345},
        {.id = IDC_PRODUCER_LBSITO, .left = 3375},
        {.id = IDC_PRODUCER_PICTURE1, .left = 90, .width = 945},
        {.id = IDC_PRODUCER_FRAME1, .left = -180, .top = 2655},
        {.id = IDC_PRODUCER_COMMAND1,
         .in = IDC_PRODUCER_FRAME1,
         .left = 4050,
         .top = 225,
         .width = 1365},
        {.id = IDC_PRODUCER_CMDINFOSYS, .in = IDC_PRODUCER_FRAME1, .top = 630},
    });
}

// The maker's data that the producer window shows is ours to choose, its labels' sizes and fonts
// are not: each line must fit in the part of its label that shows, so that it is neither cut nor
// broken onto a line the label has no room for; the links also when hot (bold and underlined).
// Measured in the fonts the labels ask for, as the test prefix draws them (font_replacements.sh).
// The trade name is given, and its label reaches up to the company form's so that it fits.
TEST_F(ProducerWindowTest, TheMakersTextsShowWholeInTheirLabelsTheLinksAlsoHot) {
    ASSERT_TRUE(producer_.Load());
    const HWND window = producer_.hwnd();
    auto expectShowsWhole = [&](int id, const char* look) {
        const HWND label = Control(id);
        EXPECT_LE(TextWidth(label), VisibleWidth(label, window))
            << "label " << id << " (" << look << ")";
    };
    for (const int id : {IDC_PRODUCER_LB_ADP0, IDC_PRODUCER_LB_ADP1, IDC_PRODUCER_LB_ADP3,
                         IDC_PRODUCER_LBINDIRIZZO, IDC_PRODUCER_LB_DATI, IDC_PRODUCER_LBMAIL,
                         IDC_PRODUCER_LBSITO}) {
        expectShowsWhole(id, "plain");
    }
    for (const int id : {IDC_PRODUCER_LBMAIL, IDC_PRODUCER_LBSITO}) {
        MoveOver(Control(id), 10, 10);
        ASSERT_TRUE(IsHot(id));
        expectShowsWhole(id, "hot");
    }
}

TEST_F(ProducerWindowTest, ButtonsAreOwnerDrawnAndNeitherIsADefaultButton) {
    ASSERT_TRUE(producer_.Load());
    for (const int id : {IDC_PRODUCER_COMMAND1, IDC_PRODUCER_CMDINFOSYS}) {
        const auto style = GetWindowLongPtrW(Control(id), GWL_STYLE);
        EXPECT_EQ(style & BS_TYPEMASK, BS_OWNERDRAW) << id;
        EXPECT_NE(style & WS_TABSTOP, 0) << id;
        EXPECT_EQ(SendMessageW(Control(id), WM_GETDLGCODE, 0, 0) &
                      (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON),
                  0)
            << id;
    }
}

TEST_F(ProducerWindowTest, ShownItPaintsItsOwnColours) {
    ASSERT_TRUE(producer_.Load());
    ShowWindow(producer_.hwnd(), SW_SHOWNA);
    const HWND window = producer_.hwnd();
    // The background between the numbers and the e-mail line.
    EXPECT_EQ(test::PixelAt(window, scale_.ToPixels(60), scale_.ToPixels(2270)),
              RGB(224, 224, 224));
    // Line1 just below the names, across the whole width.
    EXPECT_EQ(test::PixelAt(window, scale_.ToPixels(5300), scale_.ToPixels(1140)),
              GetSysColor(COLOR_WINDOWTEXT));
    // The picture box, inside its border, left of the symbol.
    EXPECT_EQ(test::PixelAt(Picture(), 3, 50), RGB(236, 244, 187));
    // The buttons' faces, inside their edges and left of their captions.
    EXPECT_EQ(test::PixelAt(Control(IDC_PRODUCER_COMMAND1), 3, 10), RGB(200, 216, 200));
    EXPECT_EQ(test::PixelAt(Control(IDC_PRODUCER_CMDINFOSYS), 3, 10), RGB(255, 224, 192));
    // The frame's top edge: a line that is not the background.
    EXPECT_NE(test::PixelAt(Frame(), 100, 0), RGB(224, 224, 224));
}

TEST_F(ProducerWindowTest, PointerWellInsideALinkMakesItHotAndTheBackgroundMakesBothPlain) {
    ASSERT_TRUE(producer_.Load());
    const HWND mail = Control(IDC_PRODUCER_LBMAIL);
    const HWND site = Control(IDC_PRODUCER_LBSITO);
    MoveOver(mail, 10, 10);
    EXPECT_TRUE(IsHot(IDC_PRODUCER_LBMAIL));
    EXPECT_TRUE(IsPlain(IDC_PRODUCER_LBSITO));
    MoveOver(site, 10, 10);
    EXPECT_TRUE(IsHot(IDC_PRODUCER_LBSITO));
    EXPECT_TRUE(IsHot(IDC_PRODUCER_LBMAIL)) << "the other link keeps its look";
    MoveOver(producer_.hwnd(), 5, 5);
    EXPECT_TRUE(IsPlain(IDC_PRODUCER_LBMAIL));
    EXPECT_TRUE(IsPlain(IDC_PRODUCER_LBSITO));
}

TEST_F(ProducerWindowTest, TheEdgeOfALinkMakesBothPlain) {
    ASSERT_TRUE(producer_.Load());
    const HWND mail = Control(IDC_PRODUCER_LBMAIL);
    RECT rect{};
    GetClientRect(mail, &rect);
    // 30 twips from the top, then within the rightmost 50 twips.
    for (const POINT edge :
         {POINT{10, scale_.ToPixels(30)}, POINT{rect.right - scale_.ToPixels(45), 10}}) {
        MoveOver(mail, 10, 10);
        ASSERT_TRUE(IsHot(IDC_PRODUCER_LBMAIL));
        MoveOver(mail, static_cast<int>(edge.x), static_cast<int>(edge.y));
        EXPECT_TRUE(IsPlain(IDC_PRODUCER_LBMAIL)) << edge.x << "," << edge.y;
    }
}

TEST_F(ProducerWindowTest, FrameNoticeAndNumbersMakeBothPlain) {
    ASSERT_TRUE(producer_.Load());
    for (const HWND over : {Frame(), Control(IDC_PRODUCER_LB_CR), Control(IDC_PRODUCER_LB_DATI)}) {
        MoveOver(Control(IDC_PRODUCER_LBMAIL), 10, 10);
        MoveOver(Control(IDC_PRODUCER_LBSITO), 10, 10);
        MoveOver(over, 20, 5);
        EXPECT_TRUE(IsPlain(IDC_PRODUCER_LBMAIL));
        EXPECT_TRUE(IsPlain(IDC_PRODUCER_LBSITO));
    }
}

TEST_F(ProducerWindowTest, CaptionsTownNamesPictureAndButtonsChangeNeitherLink) {
    ASSERT_TRUE(producer_.Load());
    MoveOver(Control(IDC_PRODUCER_LBMAIL), 10, 10);
    for (const int id :
         {IDC_PRODUCER_LABEL3_0, IDC_PRODUCER_LABEL3_1, IDC_PRODUCER_LBINDIRIZZO,
          IDC_PRODUCER_LB_ADP0, IDC_PRODUCER_LB_ADP1, IDC_PRODUCER_LB_ADP3, IDC_PRODUCER_LB_ADP4,
          IDC_PRODUCER_PICTURE1, IDC_PRODUCER_COMMAND1, IDC_PRODUCER_CMDINFOSYS}) {
        MoveOver(Control(id), 3, 3);
        EXPECT_TRUE(IsHot(IDC_PRODUCER_LBMAIL)) << id;
    }
}

TEST_F(ProducerWindowTest, AnyButtonOnALinkOpensItWithThisWindowAsOwner) {
    ASSERT_TRUE(producer_.Load());
    Pointer(WM_LBUTTONDOWN, MK_LBUTTON, Control(IDC_PRODUCER_LBMAIL), 4, 4);
    Pointer(WM_RBUTTONDOWN, MK_RBUTTON, Control(IDC_PRODUCER_LBSITO), 4, 4);
    Pointer(WM_MBUTTONDOWN, MK_MBUTTON, Control(IDC_PRODUCER_LBSITO), 4, 4);
    const auto owner = reinterpret_cast<WindowHandle>(producer_.hwnd());
    ASSERT_EQ(shell_.calls.size(), 3u);
    EXPECT_EQ(shell_.calls[0], (FakeShell::Call{owner, "mailto:tv@tlv.example", "c:\\", 1}));
    EXPECT_EQ(shell_.calls[1], (FakeShell::Call{owner, "https://tlv.example", "c:\\", 1}));
    EXPECT_EQ(shell_.calls[2], shell_.calls[1]);
}

TEST_F(ProducerWindowTest, TheLauncherLoadsItHiddenOnceAndItKeepsItsLoad) {
    const WindowHandle handle = producer_.HandleLoadingIfNeeded();
    ASSERT_NE(handle, 0u);
    EXPECT_EQ(handle, reinterpret_cast<WindowHandle>(producer_.hwnd()));
    EXPECT_FALSE(IsWindowVisible(producer_.hwnd()));
    EXPECT_EQ(Text(Control(IDC_PRODUCER_LBINDIRIZZO)), L" Vallefinta (VF)");
    EXPECT_EQ(producer_.HandleLoadingIfNeeded(), handle);

    // Shown later, it is not loaded again: it keeps where it was.
    SetWindowPos(producer_.hwnd(), nullptr, 12, 34, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    RECT shownAt{};
    ShowModalWith(
        {[&] { GetWindowRect(producer_.hwnd(), &shownAt); }, [] { test::PostAltLetter(L'o'); }});
    EXPECT_EQ(shownAt.left, 12);
    EXPECT_EQ(shownAt.top, 34);
    EXPECT_FALSE(producer_.IsLoaded());
}

TEST_F(ProducerWindowTest, ModallyTheFocusStartsOnOkAndTabGoesToSistemaPictureLinksAndBack) {
    std::vector<int> focused;  // the control with the focus at first and after each Tab
    auto noteFocus = [&] { focused.push_back(GetDlgCtrlID(GetFocus())); };
    auto tab = [] { test::PostKey(VK_TAB); };
    bool mainDisabled = false;
    ShowModalWith({[&] {
                       noteFocus();
                       mainDisabled = !IsWindowEnabled(MainWindow());
                   },
                   tab, noteFocus, tab, noteFocus, tab, noteFocus, tab, noteFocus, tab, noteFocus,
                   [] { test::PostAltLetter(L'o'); }});
    EXPECT_EQ(focused, (std::vector<int>{IDC_PRODUCER_COMMAND1, IDC_PRODUCER_CMDINFOSYS,
                                         IDC_PRODUCER_PICTURE1, IDC_PRODUCER_LBMAIL,
                                         IDC_PRODUCER_LBSITO, IDC_PRODUCER_COMMAND1}));
    EXPECT_TRUE(mainDisabled);
    EXPECT_FALSE(producer_.IsLoaded());
    EXPECT_TRUE(IsWindowEnabled(MainWindow()));
    EXPECT_EQ(GetActiveWindow(), MainWindow());
}

TEST_F(ProducerWindowTest, EscDoesNotCloseItAndEnterPressesTheFocusedButton) {
    bool openAfterEsc = false;
    ShowModalWith({[] { test::PostKey(VK_ESCAPE); }, [&] { openAfterEsc = producer_.IsLoaded(); },
                   [] { test::PostKey(VK_RETURN); }});
    EXPECT_TRUE(openAfterEsc);
    EXPECT_FALSE(producer_.IsLoaded()) << "Enter on OK closes it";
}

TEST_F(ProducerWindowTest, SistemaWithNoToolAnywhereSaysSoOnce) {
    launcher_.startsTool = false;
    ShowModalWith({[] { test::PostAltLetter(L's'); }, [&] { EXPECT_TRUE(producer_.IsLoaded()); },
                   [] { test::PostKey(VK_TAB); }, [] { test::PostKey(VK_RETURN); },
                   [] { test::PostAltLetter(L'o'); }});
    EXPECT_EQ(launcher_.calls, 1) << "Tab went on from Sistema to the picture";
    ASSERT_EQ(dialogs_.shown.size(), 1u);
    EXPECT_EQ(dialogs_.shown[0].text, "MSINFO32.EXE  NON TROVATO");
    EXPECT_TRUE(shell_.calls.empty());
}

TEST_F(ProducerWindowTest, SistemaFindsTheToolBelowProgrammi) {
    launcher_.startsTool = false;
    fileSystem_.AddFile("C:\\Programmi\\A\\B\\MSINFO32.EXE");
    ShowModalWith({[] { test::PostAltLetter(L's'); }, [] { test::PostAltLetter(L'o'); }});
    ASSERT_EQ(shell_.calls.size(), 1u);
    EXPECT_EQ(shell_.calls[0].file, "C:\\Programmi\\A\\B\\MSINFO32.EXE");
    EXPECT_TRUE(dialogs_.shown.empty());
}

// The dialog keys work while Sistema searches the folders: each time the search processes
// messages, one key is posted to the control with the focus before the program's pump runs.
enum class Key { Tab, Enter, AltO, AltS };

struct KeysDuringSearch {
    const char* name;
    std::vector<Key> keys;         // the last one closes the window
    std::vector<int> focusBefore;  // the control with the focus as each key is pressed
};

void PrintTo(const KeysDuringSearch& keys, std::ostream* out) {
    *out << keys.name;
}

class ProducerWindowSearchKeys : public ProducerWindowTest,
                                 public ::testing::WithParamInterface<KeysDuringSearch> {};

TEST_P(ProducerWindowSearchKeys, MoveTheFocusAndPressTheButtonsTheSearchStopsWithTheWindow) {
    launcher_.startsTool = false;
    for (const char* folder : {"A", "B", "C", "D", "E", "F", "G", "H"}) {
        fileSystem_.AddFolder(std::string("C:\\Programmi\\") + folder);
    }
    const std::vector<Key>& keys = GetParam().keys;
    std::vector<int> focusBefore;
    pump_.onPump = [&] {
        if (pump_.calls <= static_cast<int>(keys.size())) {
            focusBefore.push_back(GetDlgCtrlID(GetFocus()));
            switch (keys[static_cast<std::size_t>(pump_.calls - 1)]) {
                case Key::Tab:
                    test::PostKey(VK_TAB);
                    break;
                case Key::Enter:
                    test::PostKey(VK_RETURN);
                    break;
                case Key::AltO:
                    test::PostAltLetter(L'o');
                    break;
                case Key::AltS:
                    test::PostAltLetter(L's');
                    break;
            }
        }
        Win32MessagePump().ProcessPendingMessages();
    };
    ShowModalWith({[] { test::PostAltLetter(L's'); }});
    EXPECT_EQ(focusBefore, GetParam().focusBefore);
    EXPECT_EQ(pump_.calls, static_cast<int>(keys.size())) << "the search goes no further";
    EXPECT_FALSE(producer_.IsLoaded());
    EXPECT_TRUE(dialogs_.shown.empty()) << "a search stopped with its window says nothing";
    EXPECT_EQ(launcher_.calls, 1) << "Sistema pressed again while it searches starts nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ProducerWindowSearchKeys,
    ::testing::Values(
        KeysDuringSearch{"AltO", {Key::AltO}, {IDC_PRODUCER_CMDINFOSYS}},
        KeysDuringSearch{
            "AltSAltO", {Key::AltS, Key::AltO}, {IDC_PRODUCER_CMDINFOSYS, IDC_PRODUCER_CMDINFOSYS}},
        KeysDuringSearch{"TabsRoundToOkEnter",
                         {Key::Tab, Key::Tab, Key::Tab, Key::Tab, Key::Enter},
                         {IDC_PRODUCER_CMDINFOSYS, IDC_PRODUCER_PICTURE1, IDC_PRODUCER_LBMAIL,
                          IDC_PRODUCER_LBSITO, IDC_PRODUCER_COMMAND1}}),
    [](const ::testing::TestParamInfo<KeysDuringSearch>& tested) { return tested.param.name; });

TEST_F(ProducerWindowTest, TheCloseBoxUnloadsIt) {
    ASSERT_TRUE(producer_.Load());
    SendMessageW(producer_.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(producer_.IsLoaded());
    // Loaded again, it is a new window with its texts written again.
    ASSERT_TRUE(producer_.Load());
    EXPECT_EQ(Text(Control(IDC_PRODUCER_LBINDIRIZZO)), L" Vallefinta (VF)");
}

TEST_F(ProducerWindowTest, AQuitMessageEndsTheModalLoopAndIsPostedAgain) {
    ShowModalWith({[] { PostQuitMessage(3); }});
    EXPECT_FALSE(producer_.IsLoaded());
    MSG message{};
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 3u);
}

}  // namespace
}  // namespace verbalo::platform::win32
