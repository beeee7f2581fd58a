#include "ui/win32/producer_window.h"

#include <windowsx.h>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <utility>

#include "infowindows/info_texts.h"
#include "infowindows/window_placement.h"
#include "platform/win32/text_conversion.h"
#include "resources/maker_data.h"
#include "resources/producer_layout.h"
#include "resources/producer_window_texts.h"
#include "resources/resource_ids.h"
#include "ui/win32/gdi_objects.h"

namespace verbalo::ui::win32 {

using platform::win32::Utf8ToWide;
using platform::win32::WideToUtf8;
namespace {

namespace layout = producer_layout;

constexpr std::int16_t kLeftButton = 1;
constexpr std::int16_t kRightButton = 2;
constexpr std::int16_t kMiddleButton = 4;

// The controls of the labels the handlers reach, by InfTalvoControls::Label.
constexpr std::array<int, 5> kLabelIds = {IDC_PRODUCER_LBINDIRIZZO, IDC_PRODUCER_LB_DATI,
                                          IDC_PRODUCER_LB_CR, IDC_PRODUCER_LBMAIL,
                                          IDC_PRODUCER_LBSITO};

int IdOf(InfTalvoControls::Label label) {
    return kLabelIds[static_cast<std::size_t>(label)];
}

// The controls under the pointer that have handlers of their own (0: the window's background):
// for a move, and for a press of any button.
using PointerHandler = void (InfTalvo::*)(std::int16_t, std::int16_t, float, float);
struct PointerTarget {
    int id;
    PointerHandler move;
    PointerHandler down = nullptr;
};
constexpr PointerTarget kPointerTargets[] = {
    {0, &InfTalvo::Form_MouseMove},
    {IDC_PRODUCER_FRAME1, &InfTalvo::Frame1_MouseMove},
    {IDC_PRODUCER_LB_CR, &InfTalvo::Lb_cr_MouseMove},
    {IDC_PRODUCER_LB_DATI, &InfTalvo::Lb_dati_MouseMove},
    {IDC_PRODUCER_LBMAIL, &InfTalvo::lbMail_MouseMove, &InfTalvo::lbMail_MouseDown},
    {IDC_PRODUCER_LBSITO, &InfTalvo::lbSito_MouseMove, &InfTalvo::lbSito_MouseDown},
};

// The shift keys of a mouse message as the handlers take them: 1 Shift, 2 Ctrl, 4 Alt.
std::int16_t ShiftState(WPARAM keys) {
    return static_cast<std::int16_t>(((keys & MK_SHIFT) != 0 ? 1 : 0) |
                                     ((keys & MK_CONTROL) != 0 ? 2 : 0) |
                                     (GetKeyState(VK_MENU) < 0 ? 4 : 0));
}

// The buttons held during a move, or the one that went down: 1 left, 2 right, 4 middle.
std::int16_t ButtonOf(UINT message, WPARAM keys) {
    switch (message) {
        case WM_LBUTTONDOWN:
            return kLeftButton;
        case WM_RBUTTONDOWN:
            return kRightButton;
        case WM_MBUTTONDOWN:
            return kMiddleButton;
        default:
            return static_cast<std::int16_t>(((keys & MK_LBUTTON) != 0 ? kLeftButton : 0) |
                                             ((keys & MK_RBUTTON) != 0 ? kRightButton : 0) |
                                             ((keys & MK_MBUTTON) != 0 ? kMiddleButton : 0));
    }
}

// The hand on a grid 10 wide and 13 high: a cuff on the left, the fist with the thumb raised.
struct GridPoint {
    int x;
    int y;
};
constexpr int kGridWidth = 10;
constexpr int kGridHeight = 13;
constexpr std::array<GridPoint, 4> kCuff = {{{0, 6}, {2, 6}, {2, 12}, {0, 12}}};
constexpr std::array<GridPoint, 11> kFistAndThumb = {
    {{3, 6}, {5, 2}, {5, 0}, {6, 0}, {7, 1}, {7, 5}, {9, 5}, {10, 6}, {9, 12}, {3, 12}, {3, 6}}};

// A shape of the grid in pixels, the grid's corner at (left, top).
template <std::size_t N>
std::array<POINT, N> InPixels(const std::array<GridPoint, N>& shape, int left, int top, int cell) {
    std::array<POINT, N> points{};
    for (std::size_t i = 0; i < N; ++i) {
        points[i] = {left + shape[i].x * cell, top + shape[i].y * cell};
    }
    return points;
}

// A thumbs-up hand drawn in `colour` within `rect`, keeping its proportions: the pictogram
// where the symbol font that has it is not installed.
void DrawThumbsUp(HDC dc, const RECT& rect, COLORREF colour) {
    // The largest grid cell that fits both ways, the hand centred.
    const int width = static_cast<int>(rect.right - rect.left);
    const int height = static_cast<int>(rect.bottom - rect.top);
    const int cell = std::max(1, std::min(width / kGridWidth, height / kGridHeight));
    const int left = static_cast<int>(rect.left) + (width - cell * kGridWidth) / 2;
    const int top = static_cast<int>(rect.top) + (height - cell * kGridHeight) / 2;
    const Brush brush(CreateSolidBrush(colour));
    const HGDIOBJ previousBrush = SelectObject(dc, brush.get());
    const HGDIOBJ previousPen = SelectObject(dc, GetStockObject(NULL_PEN));
    const auto cuff = InPixels(kCuff, left, top, cell);
    Polygon(dc, cuff.data(), static_cast<int>(cuff.size()));
    const auto hand = InPixels(kFistAndThumb, left, top, cell);
    Polygon(dc, hand.data(), static_cast<int>(hand.size()));
    SelectObject(dc, previousPen);
    SelectObject(dc, previousBrush);
}

}  // namespace

ProducerWindow::ProducerWindow(HINSTANCE instance, InfTalvoServices services,
                               std::string dirHiddenStartFolder,
                               const platform::DisplaySettings& display,
                               platform::Accessibility& accessibility)
    : instance_(instance),
      form_(*this, services, std::move(dirHiddenStartFolder)),
      theme_(display),
      accessibility_(accessibility) {}

ProducerWindow::~ProducerWindow() {
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
}

bool ProducerWindow::Load() {
    return hwnd_ != nullptr || CreateDialogParamW(instance_, MAKEINTRESOURCEW(IDD_PRODUCER),
                                                  mainWindow_, &ProducerWindow::DialogProc,
                                                  reinterpret_cast<LPARAM>(this)) != nullptr;
}

// The dialog manager does the keyboard; this loop only waits for the window to go, as the one of
// a modal dialog box does.
void ProducerWindow::ShowModal() {
    if (!Load()) {
        return;
    }
    // The main window, or the About window over it: the active one, unless that is none or this
    // one itself (something activated it while hidden).
    const HWND active = GetActiveWindow();
    opener_ = active != nullptr && active != hwnd_ ? active : mainWindow_;
    // Shown first, so that the focus moves from the opener straight into this window.
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    SetForegroundWindow(hwnd_);
    if (opener_ != nullptr) {
        EnableWindow(opener_, FALSE);
    }
    MSG message{};
    while (hwnd_ != nullptr) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            if (got == 0) {
                PostQuitMessage(static_cast<int>(message.wParam));
            }
            SendMessageW(hwnd_, WM_CLOSE, 0, 0);  // the program is ending
            break;
        }
        if (!IsDialogMessageW(hwnd_, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    opener_ = nullptr;
}

platform::WindowHandle ProducerWindow::HandleLoadingIfNeeded() {
    if (!Load()) {
        throw std::runtime_error("the producer window could not be created");
    }
    return Handle();
}

void ProducerWindow::Unload() {
    if (hwnd_ == nullptr) {
        return;
    }
    if (opener_ != nullptr) {
        // As a modal dialog box ends: the opener takes input again, then the activation.
        EnableWindow(opener_, TRUE);
        SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
        if (GetActiveWindow() == hwnd_ || GetActiveWindow() == nullptr) {
            SetForegroundWindow(opener_);
        }
        opener_ = nullptr;
    }
    DestroyWindow(hwnd_);
}

// On the primary monitor, at its DPI (Form_Load centres it there); each label's font its own.
void ProducerWindow::OnInitDialog() {
    KeepDialogFromScaling(hwnd_);
    SetIcons(hwnd_, instance_, IDI_PRODUCER);
    const auto setText = [this](int id, std::string_view text) {
        SetDlgItemTextW(hwnd_, id, Utf8ToWide(text).c_str());
    };
    setText(IDC_PRODUCER_LBMAIL, maker::kEmail);
    setText(IDC_PRODUCER_LBSITO, maker::kWebAddress);
    setText(IDC_PRODUCER_LB_ADP0, maker::kTradeName);
    setText(IDC_PRODUCER_LB_ADP1, maker::kCompanyForm);
    setText(IDC_PRODUCER_LB_ADP3, LegalNameRestLabelText());
    setText(IDC_PRODUCER_PICTURE1, texts::kProducerPictureName);
    loaded_ = std::make_unique<Loaded>();
    Loaded& c = *loaded_;
    c.layout.Apply(hwnd_, layout::kControls,
                   TwipsScale(DpiOfMonitor(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY))));
    const auto control = [this](int id) { return GetDlgItem(hwnd_, id); };
    c.command1.emplace(control(IDC_PRODUCER_COMMAND1), colours::kOkButton, theme_);
    c.cmdInfoSys.emplace(control(IDC_PRODUCER_CMDINFOSYS), colours::kSysInfoButton, theme_);
    c.picture.emplace(control(IDC_PRODUCER_PICTURE1));
    // From the keyboard, a link opens as by a press of the left button at its corner.
    c.mail.emplace(control(IDC_PRODUCER_LBMAIL),
                   [this] { form_.lbMail_MouseDown(kLeftButton, 0, 0, 0); });
    c.site.emplace(control(IDC_PRODUCER_LBSITO),
                   [this] { form_.lbSito_MouseDown(kLeftButton, 0, 0, 0); });
    accessibility_.MarkLink(HandleOf(control(IDC_PRODUCER_LBMAIL)));
    accessibility_.MarkLink(HandleOf(control(IDC_PRODUCER_LBSITO)));
    accessibility_.NamePicture(HandleOf(control(IDC_PRODUCER_PICTURE1)),
                               texts::kProducerPictureName);
    // The pictogram's text is the letter that the symbol font draws as the hand: it is read by a
    // name, and without that font the label draws the hand itself.
    const HWND thumb = control(IDC_PRODUCER_LB_ADP4);
    accessibility_.NamePicture(HandleOf(thumb), texts::kThumbsUpName);
    if (!IsFontInstalled(Utf8ToWide(layout::kSymbolFont.face), SYMBOL_CHARSET)) {
        const LONG_PTR style = GetWindowLongPtrW(thumb, GWL_STYLE);
        SetWindowLongPtrW(thumb, GWL_STYLE, (style & ~SS_TYPEMASK) | SS_OWNERDRAW);
        c.drawnThumb = thumb;
    }
    form_.Form_Load();
}

INT_PTR ProducerWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (loaded_ != nullptr) {
        if (const auto result = loaded_->layout.OnDpiMessage(
                message, wParam, lParam, layout::kClientWidth, layout::kClientHeight)) {
            return Handled(*result);
        }
    }
    switch (message) {
        case WM_INITDIALOG:
            OnInitDialog();
            // No focus yet: loaded hidden, the window must not take it from the active one. The
            // dialog manager gives it to the first tab stop, OK, when the window is activated.
            return FALSE;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_CLOSE:  // the close box, Alt+F4, the program's end: not the cancel command
            form_.Form_Unload();
            Unload();
            return TRUE;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            if (loaded_ == nullptr) {
                return FALSE;
            }
            OnPointer(message, wParam, lParam);
            return TRUE;
        case WM_CTLCOLORSTATIC:
            return loaded_ == nullptr ? FALSE
                                      : reinterpret_cast<INT_PTR>(loaded_->layout.Colours(
                                            reinterpret_cast<HWND>(lParam),
                                            reinterpret_cast<HDC>(wParam), theme_));
        case WM_CTLCOLORDLG:
            return reinterpret_cast<INT_PTR>(theme_.BrushOf(colours::kProducerText.background));
        case WM_DRAWITEM:
            return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)) ? TRUE : FALSE;
        case WM_PAINT:
            if (loaded_ == nullptr) {
                return FALSE;
            }
            PaintLine1();
            return TRUE;
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE:
            RepaintInNewColours(hwnd_);
            return FALSE;
        case WM_DESTROY:
            for (const int id : {IDC_PRODUCER_LBMAIL, IDC_PRODUCER_LBSITO, IDC_PRODUCER_PICTURE1,
                                 IDC_PRODUCER_LB_ADP4}) {
                accessibility_.Forget(HandleOf(GetDlgItem(hwnd_, id)));
            }
            return FALSE;
        case WM_NCDESTROY:  // the controls are gone: their fonts may go
            loaded_.reset();
            return FALSE;
        default:
            return FALSE;
    }
}

INT_PTR ProducerWindow::AfterException(UINT message) noexcept {
    if (message == WM_INITDIALOG) {
        DestroyWindow(hwnd_);
        return FALSE;
    }
    return DialogBase::AfterException(message);
}

// Enter comes as IDOK and Esc as IDCANCEL, with the button that has the focus; a double click
// on a button is two clicks.
void ProducerWindow::OnCommand(WORD id, WORD notification) {
    if (notification != BN_CLICKED && notification != BN_DOUBLECLICKED) {
        return;
    }
    switch (id) {
        case IDC_PRODUCER_COMMAND1:
            form_.Command1_Click();
            break;
        case IDC_PRODUCER_CMDINFOSYS:
            form_.cmdInfoSys_Click();
            break;
        case IDOK:
            form_.EnterPressed(FocusedButton());
            break;
        case IDCANCEL:
            form_.EscPressed();
            break;
        default:
            break;
    }
}

std::optional<InfTalvo::Button> ProducerWindow::FocusedButton() const {
    switch (GetDlgCtrlID(GetFocus())) {
        case IDC_PRODUCER_COMMAND1:
            return InfTalvo::Button::Command1;
        case IDC_PRODUCER_CMDINFOSYS:
            return InfTalvo::Button::cmdInfoSys;
        default:
            return std::nullopt;
    }
}

// The labels let the pointer through to the window (they are no SS_NOTIFY statics): the control
// under it, the topmost where two overlap, is the one whose handler runs, with the position
// relative to it in twips; a control with no handler of its own changes nothing.
void ProducerWindow::OnPointer(UINT message, WPARAM keys, LPARAM position) {
    POINT at{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    const HWND over = ChildWindowFromPointEx(hwnd_, at, CWP_SKIPINVISIBLE);
    const int id = over == hwnd_ ? 0 : GetDlgCtrlID(over);
    const auto target = std::ranges::find(kPointerTargets, id, &PointerTarget::id);
    if (target == std::end(kPointerTargets)) {
        return;
    }
    const PointerHandler handler = message == WM_MOUSEMOVE ? target->move : target->down;
    if (handler != nullptr) {
        MapWindowPoints(hwnd_, over, &at, 1);
        (form_.*handler)(ButtonOf(message, keys), ShiftState(keys),
                         static_cast<float>(scale().ToTwips(at.x)),
                         static_cast<float>(scale().ToTwips(at.y)));
    }
}

bool ProducerWindow::OnDrawItem(const DRAWITEMSTRUCT& item) const {
    if (loaded_ == nullptr) {
        return false;
    }
    const Loaded& c = *loaded_;
    if (item.hwndItem == c.command1->hwnd() || item.hwndItem == c.cmdInfoSys->hwnd()) {
        (item.hwndItem == c.command1->hwnd() ? *c.command1 : *c.cmdInfoSys).Draw(item);
        return true;
    }
    // Picture1's face, and the hand where the label draws it.
    FillRect(item.hDC, &item.rcItem, theme_.BrushOf(colours::kProducerHand.background));
    if (item.hwndItem == c.drawnThumb) {
        DrawThumbsUp(item.hDC, item.rcItem, theme_.Colour(colours::kProducerHand.text));
    }
    return true;
}

// Line1, in the default line colour, across the window's inner width.
void ProducerWindow::PaintLine1() const {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(hwnd_, &paint);
    RECT client{};
    GetClientRect(hwnd_, &client);
    const GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_WINDOWTEXT)));
    const HGDIOBJ previous = SelectObject(dc, pen.get());
    const int y = scale().ToPixels(layout::kLine1Y);
    MoveToEx(dc, 0, y, nullptr);
    LineTo(dc, client.right, y);
    SelectObject(dc, previous);
    EndPaint(hwnd_, &paint);
}

HWND ProducerWindow::LabelWindow(Label label) const {
    return loaded_ != nullptr ? loaded_->layout.Control(IdOf(label)) : nullptr;
}

ControlFont* ProducerWindow::LabelFont(Label label) const {
    return loaded_ != nullptr ? loaded_->layout.FontOf(IdOf(label)) : nullptr;
}

platform::WindowHandle ProducerWindow::Handle() const {
    return HandleOf(hwnd_);
}

std::string ProducerWindow::LabelText(Label label) const {
    const HWND window = LabelWindow(label);
    return window != nullptr ? WideToUtf8(WindowTextOf(window)) : std::string();
}

void ProducerWindow::SetLabelText(Label label, std::string_view text) {
    if (const HWND window = LabelWindow(label)) {
        SetWindowTextW(window, Utf8ToWide(text).c_str());
        LabelFont(label)->TextChanged();
    }
}

InfTalvoControls::Size ProducerWindow::LabelSize(Label label) const {
    RECT rect{};
    const HWND window = LabelWindow(label);
    if (window == nullptr || !GetWindowRect(window, &rect)) {
        return {};
    }
    return {scale().ToTwips(rect.right - rect.left), scale().ToTwips(rect.bottom - rect.top)};
}

void ProducerWindow::SetLabelFontSize(Label label, float points) {
    if (ControlFont* font = LabelFont(label)) {
        font->SetPoints(points);
    }
}

void ProducerWindow::SetLabelUnderline(Label label, bool underline) {
    if (ControlFont* font = LabelFont(label)) {
        font->SetUnderline(underline);
    }
}

void ProducerWindow::SetLabelBold(Label label, bool bold) {
    if (ControlFont* font = LabelFont(label)) {
        font->SetBold(bold);
    }
}

void ProducerWindow::CentreOnScreen() {
    const platform::ScreenRect screen{0, 0, GetSystemMetrics(SM_CXSCREEN),
                                      GetSystemMetrics(SM_CYSCREEN)};
    PlaceWindow(hwnd_, ProducerWindowRect(screen, scale().dpi(), FrameOf(hwnd_, scale().dpi())));
}

}  // namespace verbalo::ui::win32
