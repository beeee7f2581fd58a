#include "ui/win32/form1_window.h"

#include <string>
#include <string_view>

#include "platform/win32/text_conversion.h"
#include "resources/form1_layout.h"
#include "resources/main_window_texts.h"
#include "resources/resource_ids.h"
#include "ui/win32/control_font.h"

namespace verbalo::ui::win32 {

using platform::win32::Utf8ToWide;
using platform::win32::WideToUtf8;
namespace {

namespace layout = form1_layout;

constexpr wchar_t kClassName[] = L"VerbaloForm1";
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW;  // resizable, minimize and maximize boxes

constexpr std::int16_t kKeyTab = 9;
constexpr std::int16_t kKeyEnter = 13;

// The amount field's focus events, run from the message queue once the focus change is over:
// a window must not be shown or activated, nor the focus moved, inside WM_KILLFOCUS. wParam
// carries the OtherWindow.
constexpr UINT kAmountFieldLostFocus = WM_APP + 1;
constexpr UINT kAmountFieldGotFocus = WM_APP + 2;

// A control in the window's client area, of any class, with its text and styles (WS_CHILD,
// WS_VISIBLE and WS_CLIPSIBLINGS come with every control); the layout places it and gives its font.
HWND CreateChildControl(HINSTANCE instance, HWND parent, int id, const wchar_t* className,
                        std::string_view text, DWORD style, DWORD exStyle = 0) {
    return CreateWindowExW(exStyle, className, Utf8ToWide(text).c_str(),
                           WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

// A label that is not shown. The accessibility proxies name a control that has no text of its
// own by the static control just before it in z-order, a hidden one too: created right before
// such a control, this label gives it its name. The name ends in a colon, as a label's does.
HWND CreateInvisibleLabel(HINSTANCE instance, HWND parent, std::string_view name) {
    constexpr INT_PTR kNoId = -1;
    return CreateWindowExW(0, L"STATIC", Utf8ToWide(name).c_str(), WS_CHILD | SS_LEFT | SS_NOPREFIX,
                           0, 0, 0, 0, parent, reinterpret_cast<HMENU>(kNoId), instance, nullptr);
}

// The widest of the characters an amount has, fifteen times: what the amount field must show.
std::wstring FifteenWidestCharacters(HWND field) {
    const HDC dc = GetDC(field);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(field, WM_GETFONT, 0, 0)));
    wchar_t widest = L'0';
    int widestWidth = 0;
    for (const wchar_t c : std::wstring_view(L"0123456789,.-")) {
        SIZE size{};
        GetTextExtentPoint32W(dc, &c, 1, &size);
        if (size.cx > widestWidth) {
            widest = c;
            widestWidth = size.cx;
        }
    }
    SelectObject(dc, previous);
    ReleaseDC(field, dc);
    return std::wstring(layout::kAmountMaxLength, widest);
}

// The room for text inside the field's margins.
SIZE TextRoomOf(HWND field) {
    RECT client{};
    GetClientRect(field, &client);
    const auto margins = static_cast<DWORD>(SendMessageW(field, EM_GETMARGINS, 0, 0));
    return {client.right - client.left - LOWORD(margins) - HIWORD(margins),
            client.bottom - client.top};
}

// A press of a mouse button, or a request for the context menu: what would move the focus
// into the output box, or let the user select its text.
bool TakesNoPress(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
        case WM_CONTEXTMENU:
            return true;
        default:
            return false;
    }
}

std::wstring Caption() {
    std::string caption(texts::kCaptionTitle);
    caption += texts::kCaptionGap;
    caption += texts::kCreditPrefix;
    caption += texts::MakerLegalName();
    return Utf8ToWide(caption);
}

// Where the focus or the activation came from or goes to, by the other window of the message:
// one of this program's thread, or of another application (or none).
OtherWindow OtherWindowOf(HWND window) {
    const bool ours =
        window != nullptr && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
    return ours ? OtherWindow::ThisProgram : OtherWindow::AnotherApplication;
}

}  // namespace

Form1Window::Form1Window(HINSTANCE instance, Form1Services services,
                         const platform::DisplaySettings& display,
                         platform::Accessibility& accessibility)
    : instance_(instance), form_(*this, services), theme_(display), accessibility_(accessibility) {}

Form1Window::~Form1Window() {
    amountFieldSubclass_.reset();
    outputBoxSubclass_.reset();
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
}

// The field shows its fifteen characters whole: where the layout's font is too wide for that at
// this DPI, the field's font is made smaller, to the size at which they fit.
void Form1Window::FitAmountFieldFont() {
    const FontLook designed = FontLook::From(layout::kFont);
    const FontLook fitted = FittedTo(designed, scale_, FifteenWidestCharacters(text1_),
                                     DT_SINGLELINE | DT_NOPREFIX, TextRoomOf(text1_));
    const auto inUse = reinterpret_cast<HFONT>(SendMessageW(text1_, WM_GETFONT, 0, 0));
    if (fitted == designed) {
        if (inUse != amountFieldFont_.get()) {
            amountFieldFont_.reset();  // the field has the layout's font
        }
        return;
    }
    // The field takes the new font before the old one is deleted.
    Font font = CreateFontFor(fitted, scale_);
    SendMessageW(text1_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    amountFieldFont_ = std::move(font);
}

// On a monitor of another DPI the controls are placed anew from their twips, in fonts made for
// it, and the window keeps its client width in twips inside the frame of the new DPI, at the
// corner Windows suggests; its size rules then run at the new DPI.
void Form1Window::OnDpiChanged(int dpi, const RECT& suggested) {
    const TwipsScale before = scale_;
    RECT client{};
    GetClientRect(hwnd_, &client);
    scale_ = TwipsScale(dpi);
    layout_.Rescale(scale_);
    FitAmountFieldFont();
    MoveToDpi(hwnd_, suggested, before.ToTwips(client.right), before.ToTwips(client.bottom), dpi);
}

bool Form1Window::Create(int showCommand) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    if (!GetClassInfoExW(instance_, kClassName, &windowClass)) {
        windowClass.lpfnWndProc = &Form1Window::WindowProc;
        windowClass.hInstance = instance_;
        windowClass.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(IDI_VERBALO));
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszMenuName = MAKEINTRESOURCEW(IDR_MAIN_MENU);
        windowClass.lpszClassName = kClassName;
        RegisterClassExW(&windowClass);
    }
    // Where the system places it, at its design size for the system's DPI; WM_CREATE sizes it
    // anew when that is on a monitor of another DPI.
    const platform::ScreenRect design = DesignRect(0, 0, scale_.dpi());
    const HWND created = CreateWindowExW(0, kClassName, Caption().c_str(), kWindowStyle,
                                         CW_USEDEFAULT, CW_USEDEFAULT, design.width(),
                                         design.height(), nullptr, nullptr, instance_, this);
    if (created == nullptr) {
        return false;
    }
    ShowWindow(created, showCommand);
    UpdateWindow(created);
    return true;
}

// The window at its design size: the client area of the layout, below the menu bar.
platform::ScreenRect Form1Window::DesignRect(int left, int top, int dpi) const {
    return platform::WindowForClient(left, top, layout::kDesignClientWidth,
                                     layout::kDesignClientHeight, dpi,
                                     FrameAt(dpi, kWindowStyle, 0, true));
}

void Form1Window::CreateControls() {
    // Made on a monitor of another DPI than the system's, the window is sized for that DPI.
    if (const int dpi = DpiOfWindow(hwnd_); dpi != scale_.dpi()) {
        scale_ = TwipsScale(dpi);
        const platform::ScreenRect placed = ScreenRectOf(hwnd_);
        PlaceWindow(hwnd_, DesignRect(placed.left, placed.top, dpi));
    }
    CreateChildControl(instance_, hwnd_, IDC_LABEL2, L"STATIC", texts::kAmountLabel, SS_LEFT);
    text1_ = CreateChildControl(instance_, hwnd_, IDC_TEXT1, L"EDIT", "",
                                ES_RIGHT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE);
    SendMessageW(text1_, EM_SETLIMITTEXT, layout::kAmountMaxLength, 0);
    lbFormattato_ =
        CreateChildControl(instance_, hwnd_, IDC_LBFORMATTATO, L"STATIC", "", SS_RIGHT | WS_BORDER);
    // The output box is read-only and no tab stop, and it never takes the focus: a screen
    // reader reads it as text by the name of the label before it. A disabled box would draw
    // its text grey, whatever colour it is given.
    CreateInvisibleLabel(instance_, hwnd_, texts::kWordingBoxName);
    txtLettere_ = CreateChildControl(instance_, hwnd_, IDC_TXTLETTERE, L"EDIT", "",
                                     ES_MULTILINE | ES_READONLY, WS_EX_CLIENTEDGE);
    outputBoxSubclass_ = std::make_unique<WindowSubclass>(
        txtLettere_, [](UINT message, WPARAM, LPARAM, LRESULT& result) {
            if (message == WM_SETCURSOR) {
                SetCursor(LoadCursorW(nullptr, IDC_ARROW));  // nothing in it to select
                result = TRUE;
                return true;
            }
            result = 0;
            return TakesNoPress(message);
        });
    label3_ = CreateChildControl(instance_, hwnd_, IDC_LABEL3, L"STATIC", "", SS_CENTER);
    layout_.Apply(hwnd_, layout::kControls, scale_);
    FitAmountFieldFont();
    // A screen reader announces what the status line says, without moving the focus.
    accessibility_.MarkLiveRegion(HandleOf(label3_));

    amountFieldSubclass_ = std::make_unique<WindowSubclass>(
        text1_, [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
            return HandleAmountFieldMessage(message, wParam, lParam, result);
        });
}

LRESULT Form1Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            CreateControls();
            form_.Form_Load();
            loaded_ = true;
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case kGetDpiScaledSize: {
            RECT client{};
            GetClientRect(hwnd_, &client);
            SizeForDpi(hwnd_, scale_.ToTwips(client.right), scale_.ToTwips(client.bottom),
                       static_cast<int>(wParam), *reinterpret_cast<SIZE*>(lParam));
            return TRUE;
        }
        case WM_SIZE:
            if (loaded_) {
                form_.Form_Resize();
            }
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) {
                form_.Form_Activate(OtherWindowOf(reinterpret_cast<HWND>(lParam)));
            }
            break;
        case WM_SETFOCUS:
            // The amount field is the only control that holds the focus.
            SetFocus(text1_);
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_CTLCOLORSTATIC:
            if (const HBRUSH brush = layout_.Colours(reinterpret_cast<HWND>(lParam),
                                                     reinterpret_cast<HDC>(wParam), theme_)) {
                return reinterpret_cast<LRESULT>(brush);
            }
            break;
        case WM_ERASEBKGND: {
            RECT client{};
            GetClientRect(hwnd_, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client,
                     theme_.BrushOf(colours::kMainLabel.background));
            return 1;
        }
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE:
            RepaintInNewColours(hwnd_);
            break;
        case kAmountFieldLostFocus:
            --pendingFocusEvents_;
            form_.Text1_LostFocus(static_cast<OtherWindow>(wParam));
            return 0;
        case kAmountFieldGotFocus:
            --pendingFocusEvents_;
            form_.Text1_GotFocus(static_cast<OtherWindow>(wParam));
            return 0;
        case WM_DESTROY:
            accessibility_.Forget(HandleOf(label3_));
            amountFieldSubclass_.reset();
            outputBoxSubclass_.reset();
            EndMessageLoop();
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

bool Form1Window::HandleAmountFieldMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                           LRESULT& result) {
    switch (message) {
        case WM_GETDLGCODE:
            return false;
        case WM_KEYDOWN:
            // No other control can take the focus, so a Tab has no effect at all.
            return wParam == VK_TAB;
        case WM_CHAR: {
            if (wParam == static_cast<WPARAM>(kKeyTab)) {
                return true;
            }
            auto keyAscii = static_cast<std::int16_t>(wParam);
            form_.Text1_KeyPress(keyAscii);
            if (wParam == static_cast<WPARAM>(kKeyEnter) || keyAscii == 0) {
                return true;  // handled, or dropped: the field receives nothing
            }
            result = WindowSubclass::CallControl(
                text1_, message, static_cast<WPARAM>(static_cast<std::uint16_t>(keyAscii)), lParam);
            return true;
        }
        case WM_SETFOCUS: {
            result = WindowSubclass::CallControl(text1_, message, wParam, lParam);
            const OtherWindow from = OtherWindowOf(reinterpret_cast<HWND>(wParam));
            // Behind a focus loss still waiting, so that the two run in the order they came.
            if (pendingFocusEvents_ > 0) {
                PostFocusEvent(kAmountFieldGotFocus, from);
            } else {
                form_.Text1_GotFocus(from);
            }
            return true;
        }
        case WM_KILLFOCUS:
            result = WindowSubclass::CallControl(text1_, message, wParam, lParam);
            PostFocusEvent(kAmountFieldLostFocus, OtherWindowOf(reinterpret_cast<HWND>(wParam)));
            return true;
        default:
            return false;
    }
}

void Form1Window::OnCommand(WORD id, WORD notification) {
    if (id == IDC_TEXT1) {
        if (notification == EN_CHANGE && loaded_) {
            OnAmountFieldChange();
        }
        return;
    }
    if (id >= IDM_CASE_FIRST && id < IDM_CASE_FIRST + 3) {
        form_.Mu_Case_Click(static_cast<std::int16_t>(id - IDM_CASE_FIRST));
        return;
    }
    switch (id) {
        case IDM_FINE:
            form_.Mu_end_Click();
            break;
        case IDM_PROGR:
            form_.Mu_progr_Click();
            break;
        case IDM_TALVO:
            form_.Mu_Talvo_Click();
            break;
        default:
            break;
    }
}

void Form1Window::OnAmountFieldChange() {
    // The edit also reports a "change" that leaves its text as it was (typing into a full field,
    // selecting all): that is no change of the field.
    std::wstring text = WindowTextOf(text1_);
    if (text == reportedAmountText_) {
        return;
    }
    reportedAmountText_ = std::move(text);
    form_.Text1_Change();
}

void Form1Window::PostFocusEvent(UINT event, OtherWindow other) {
    if (PostMessageW(hwnd_, event, static_cast<WPARAM>(other), 0) != FALSE) {
        ++pendingFocusEvents_;
    }
}

void Form1Window::EndMessageLoop() noexcept {
    // A window that never finished loading leaves the ending to the program, which reports it.
    if (loaded_) {
        PostQuitMessage(0);
    }
}

LRESULT Form1Window::AfterException(UINT message) noexcept {
    if (message == WM_DESTROY) {
        EndMessageLoop();  // the program must not go on without its window
    }
    return ResultAfterException(hwnd_, message);
}

std::string Form1Window::AmountText() const {
    return WideToUtf8(WindowTextOf(text1_));
}

void Form1Window::SetAmountText(std::string_view text) {
    // The edit reports the change (EN_CHANGE) before this returns: Text1_Change runs nested.
    SetWindowTextW(text1_, Utf8ToWide(text).c_str());
}

int Form1Window::AmountMaxLength() const {
    return static_cast<int>(SendMessageW(text1_, EM_GETLIMITTEXT, 0, 0));
}

void Form1Window::SetAmountCaret(int position) {
    const int end = GetWindowTextLengthW(text1_);
    const int caret = position < end ? position : end;
    SendMessageW(text1_, EM_SETSEL, static_cast<WPARAM>(caret), caret);
}

void Form1Window::FocusAmount() {
    SetFocus(text1_);
}

void Form1Window::SetEchoCaption(std::string_view text) {
    SetWindowTextW(lbFormattato_, Utf8ToWide(text).c_str());
}

void Form1Window::SetStatusCaption(std::string_view text) {
    SetWindowTextW(label3_, Utf8ToWide(text).c_str());
    if (!text.empty()) {
        accessibility_.LiveRegionChanged(HandleOf(label3_));
    }
}

void Form1Window::SetOutputText(std::string_view text) {
    SetWindowTextW(txtLettere_, Utf8ToWide(text).c_str());
}

void Form1Window::SetOutputWidth(Twips width) {
    layout_.SetWidth(IDC_TXTLETTERE, width);
}

RECT Form1Window::OuterRect() const {
    RECT rect{};
    GetWindowRect(hwnd_, &rect);
    return rect;
}

Form1Controls::Twips Form1Window::OuterWidth() const {
    const RECT rect = OuterRect();
    return scale_.ToTwips(rect.right - rect.left);
}

Form1Controls::Twips Form1Window::OuterHeight() const {
    const RECT rect = OuterRect();
    return scale_.ToTwips(rect.bottom - rect.top);
}

Form1Controls::Twips Form1Window::ClientWidth() const {
    RECT client{};
    GetClientRect(hwnd_, &client);
    return scale_.ToTwips(client.right - client.left);
}

void Form1Window::SetOuterWidth(Twips width) {
    const RECT rect = OuterRect();
    // The window reports the new size (WM_SIZE) before this returns: Form_Resize runs nested.
    SetWindowPos(hwnd_, nullptr, 0, 0, scale_.ToPixelsAtLeast(width), rect.bottom - rect.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1Window::SetOuterHeight(Twips height) {
    const RECT rect = OuterRect();
    SetWindowPos(hwnd_, nullptr, 0, 0, rect.right - rect.left, scale_.ToPixelsAtLeast(height),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form1Window::MoveTo(Twips left, Twips top) {
    SetWindowPos(hwnd_, nullptr, scale_.ToPixels(left), scale_.ToPixels(top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Form1Controls::Twips Form1Window::ScreenWidth() const {
    return scale_.ToTwips(GetSystemMetrics(SM_CXSCREEN));
}

Form1Controls::Twips Form1Window::ScreenHeight() const {
    return scale_.ToTwips(GetSystemMetrics(SM_CYSCREEN));
}

bool Form1Window::IsMinimizedOrMaximized() const {
    return IsIconic(hwnd_) != FALSE || IsZoomed(hwnd_) != FALSE;
}

void Form1Window::EndProgram() {
    DestroyWindow(hwnd_);
}

}  // namespace verbalo::ui::win32
