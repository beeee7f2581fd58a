#include "ui/win32/form1_window.h"

#include <string>

#include "platform/win32/text_conversion.h"
#include "resources/form1_layout.h"
#include "resources/main_window_texts.h"
#include "resources/resource_ids.h"
#include "ui/win32/window_class.h"

namespace verbalo::platform::win32 {
namespace {

namespace layout = form1_layout;

constexpr wchar_t kClassName[] = L"VerbaloForm1";
constexpr wchar_t kFontName[] = L"MS Sans Serif";
constexpr double kFontPoints = 9.75;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kDarkBlue = RGB(0, 0, 128);
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW;  // resizable, minimize and maximize boxes

constexpr std::int16_t kKeyTab = 9;
constexpr std::int16_t kKeyEnter = 13;

// The amount field's focus events, run from the message queue once the focus change is over:
// a window must not be shown or activated, nor the focus moved, inside WM_KILLFOCUS.
constexpr UINT kAmountFieldLostFocus = WM_APP + 1;
constexpr UINT kAmountFieldGotFocus = WM_APP + 2;

std::wstring WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

Font CreateUiFont(const TwipsScale& scale, int weight) {
    return Font(CreateFontW(scale.FontHeight(kFontPoints), 0, 0, 0, weight, FALSE, FALSE, FALSE,
                            DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                            DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, kFontName));
}

std::wstring Caption() {
    std::string caption(texts::kCaptionTitle);
    caption += texts::kCaptionGap;
    caption += texts::kCreditPrefix;
    caption += texts::MakerLegalName();
    return Utf8ToWide(caption);
}

}  // namespace

Form1Window::Form1Window(HINSTANCE instance, Form1Services services)
    : instance_(instance), form_(*this, services) {}

Form1Window::~Form1Window() {
    amountFieldSubclass_.reset();
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
}

bool Form1Window::Create(int showCommand) {
    RegisterWindowClassOnce(
        instance_,
        {kClassName, &Form1Window::WindowProc, LoadIconW(instance_, MAKEINTRESOURCEW(IDI_VERBALO)),
         reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), MAKEINTRESOURCEW(IDR_MAIN_MENU)});

    // The window at its design size: the client area of the layout, with frame and menu.
    RECT design{0, 0, scale_.ToPixels(layout::kDesignClientWidth),
                scale_.ToPixels(layout::kDesignClientHeight)};
    AdjustWindowRectEx(&design, kWindowStyle, TRUE, 0);
    const HWND created = CreateWindowExW(
        0, kClassName, Caption().c_str(), kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
        design.right - design.left, design.bottom - design.top, nullptr, nullptr, instance_, this);
    if (created == nullptr) {
        return false;
    }
    ShowWindow(created, showCommand);
    UpdateWindow(created);
    return true;
}

HWND Form1Window::CreateControl(const wchar_t* className, const wchar_t* text, DWORD style,
                                DWORD exStyle, int id, int left, int top, int width, int height,
                                HFONT font) {
    const HWND control = CreateWindowExW(
        exStyle, className, text, WS_CHILD | WS_VISIBLE | style, scale_.ToPixels(left),
        scale_.ToPixels(top), scale_.ToPixels(width), scale_.ToPixels(height), hwnd_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

void Form1Window::CreateControls() {
    font_ = CreateUiFont(scale_, FW_NORMAL);
    boldFont_ = CreateUiFont(scale_, FW_BOLD);
    whiteBrush_ = Brush(CreateSolidBrush(kWhite));

    const auto& l2 = layout::kLabel2;
    label2_ = CreateControl(L"STATIC", Utf8ToWide(texts::kAmountLabel).c_str(), SS_LEFT, 0,
                            IDC_LABEL2, l2.left, l2.top, l2.width, l2.height, font_.get());
    const auto& t1 = layout::kText1;
    text1_ = CreateControl(L"EDIT", L"", ES_RIGHT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE,
                           IDC_TEXT1, t1.left, t1.top, t1.width, t1.height, font_.get());
    SendMessageW(text1_, EM_SETLIMITTEXT, layout::kAmountMaxLength, 0);
    const auto& lf = layout::kLbFormattato;
    lbFormattato_ = CreateControl(L"STATIC", L"", SS_RIGHT | WS_BORDER, 0, IDC_LBFORMATTATO,
                                  lf.left, lf.top, lf.width, lf.height, boldFont_.get());
    const auto& tl = layout::kTxtLettere;
    txtLettere_ =
        CreateControl(L"EDIT", L"", ES_MULTILINE | ES_READONLY | WS_DISABLED, WS_EX_CLIENTEDGE,
                      IDC_TXTLETTERE, tl.left, tl.top, tl.width, tl.height, boldFont_.get());
    const auto& l3 = layout::kLabel3;
    label3_ = CreateControl(L"STATIC", L"", SS_CENTER, 0, IDC_LABEL3, l3.left, l3.top, l3.width,
                            l3.height, font_.get());

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
        case WM_SIZE:
            if (loaded_) {
                form_.Form_Resize();
            }
            return 0;
        case WM_ACTIVATE:
            // Activation from another window of this program (a modal window closing), or the
            // first one at start; coming back from another application is no activation here.
            if (LOWORD(wParam) != WA_INACTIVE &&
                (!activatedOnce_ || BelongsToThisThread(reinterpret_cast<HWND>(lParam)))) {
                activatedOnce_ = true;
                form_.Form_Activate();
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
            return OnControlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case kAmountFieldLostFocus:
            --pendingFocusEvents_;
            form_.Text1_LostFocus();
            return 0;
        case kAmountFieldGotFocus:
            --pendingFocusEvents_;
            form_.Text1_GotFocus();
            return 0;
        case WM_DESTROY:
            amountFieldSubclass_.reset();
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
        case WM_SETFOCUS:
            result = WindowSubclass::CallControl(text1_, message, wParam, lParam);
            // Coming back from another application is no focus event of the field.
            if (!focusedOnce_ || BelongsToThisThread(reinterpret_cast<HWND>(wParam))) {
                focusedOnce_ = true;
                // Behind a focus loss still waiting, so that the two run in the order they came.
                if (pendingFocusEvents_ > 0) {
                    PostFocusEvent(kAmountFieldGotFocus);
                } else {
                    form_.Text1_GotFocus();
                }
            }
            return true;
        case WM_KILLFOCUS:
            result = WindowSubclass::CallControl(text1_, message, wParam, lParam);
            // Only a move to another window of this program counts as leaving the field.
            if (BelongsToThisThread(reinterpret_cast<HWND>(wParam))) {
                PostFocusEvent(kAmountFieldLostFocus);
            }
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
    std::wstring text = WindowText(text1_);
    if (text == reportedAmountText_) {
        return;
    }
    reportedAmountText_ = std::move(text);
    form_.Text1_Change();
}

void Form1Window::PostFocusEvent(UINT event) {
    if (PostMessageW(hwnd_, event, 0, 0) != FALSE) {
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

LRESULT Form1Window::OnControlColor(HDC dc, HWND control) {
    if (control == lbFormattato_) {
        SetBkColor(dc, kWhite);
        return reinterpret_cast<LRESULT>(whiteBrush_.get());
    }
    SetBkMode(dc, TRANSPARENT);
    if (control == label3_) {
        SetTextColor(dc, kDarkBlue);
    }
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

bool Form1Window::BelongsToThisThread(HWND window) const {
    return window != nullptr && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}

std::string Form1Window::AmountText() const {
    return WideToUtf8(WindowText(text1_));
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
}

std::string Form1Window::OutputText() const {
    return WideToUtf8(WindowText(txtLettere_));
}

void Form1Window::SetOutputText(std::string_view text) {
    SetWindowTextW(txtLettere_, Utf8ToWide(text).c_str());
}

void Form1Window::SetOutputWidth(Twips width) {
    const auto& box = layout::kTxtLettere;
    SetWindowPos(txtLettere_, nullptr, 0, 0, scale_.ToPixels(width), scale_.ToPixels(box.height),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
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

}  // namespace verbalo::platform::win32
