#include "ui/win32/about_window.h"

#include <utility>
#include "ui/win32/window_class.h"

#include "infowindows/about_texts.h"
#include "platform/win32/text_conversion.h"
#include "resources/about_layout.h"
#include "resources/resource_ids.h"
#include "ui/win32/child_controls.h"
#include "ui/win32/control_colors.h"
#include "ui/win32/control_font.h"
#include "ui/win32/gdi_objects.h"
#include "ui/win32/panel_window.h"

namespace verbalo::platform::win32 {
namespace {

namespace layout = about_layout;

constexpr wchar_t kClassName[] = L"VerbaloAbout";
constexpr COLORREF kDarkRed = RGB(128, 0, 0);
constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kBlack = RGB(0, 0, 0);
// A fixed dialog border: no resizing, no minimize or maximize box; the close box stays.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
constexpr int kPointerSize = 32;

void RegisterAboutClass(HINSTANCE instance, WNDPROC procedure) {
    RegisterWindowClassOnce(
        instance, {kClassName, procedure, LoadIconW(instance, MAKEINTRESOURCEW(IDI_ABOUT)),
                   reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)});
}

}  // namespace

// What exists while the window is loaded.
struct AboutWindow::Controls {
    Font defaultFont;
    Font titleFont;
    Font noticeFont;
    PanelWindow frame1;
    PanelWindow picture1;
    HWND lblTitle = nullptr;
    HWND label1 = nullptr;
    HWND lblVersion = nullptr;
    HWND lblDescription = nullptr;
    HWND lbCr = nullptr;
    HWND cmdOK = nullptr;
    HWND cmdSysInfo = nullptr;
    ControlColors colors;
};

AboutWindow::AboutWindow(HINSTANCE instance, SystemInfoLauncher& launcher,
                         ProducerWindowOpener& producerWindow, ApplicationIdentity application)
    : instance_(instance),
      form_(*this, launcher, producerWindow, std::move(application)),
      pictureIcon_(LoadIconResource(instance, IDI_VERBALO, layout::kPictureIconSize)) {
    const IconHandle icon = LoadIconResource(instance, IDI_ABOUT, kPointerSize);
    pointer_ = CursorFromIcon(icon.get());
}

AboutWindow::~AboutWindow() {
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
}

bool AboutWindow::Load() {
    if (hwnd_ != nullptr) {
        return true;
    }
    RegisterAboutClass(instance_, &AboutWindow::WindowProc);
    focus_ = nullptr;
    if (CreateWindowForClientSize(instance_, kClassName, Utf8ToWide(layout::kStoredCaption).c_str(),
                                  kStyle, kExStyle, scale_.ToPixels(layout::kClientWidth),
                                  scale_.ToPixels(layout::kClientHeight), mainWindow_,
                                  this) == nullptr) {
        return false;
    }
    form_.Form_Load();
    return true;
}

void AboutWindow::ShowModal() {
    if (!Load()) {
        return;
    }
    ModalSession session(hwnd_, modal_);
    if (!session.Run([this] { return hwnd_ == nullptr; })) {
        Unload();  // the program is ending
    }
}

void AboutWindow::CreateControls() {
    auto controls = std::make_unique<Controls>();
    Controls& c = *controls;
    const FontLook defaultLook = FontLook::From(window_layout::kDefaultFont);
    c.defaultFont = CreateFontFor(defaultLook, scale_);
    c.titleFont = CreateFontFor(FontLook::From(layout::kTitleFont), scale_);
    c.noticeFont = CreateFontFor(FontLook::From(layout::kNoticeFont), scale_);
    const HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);

    // Created in the tab order: the buttons in the frame first, then the picture; the labels
    // take no focus.
    c.frame1.Create(instance_, hwnd_, IDC_ABOUT_FRAME1, PixelRect(scale_, layout::kFrame1),
                    {face, PanelWindow::Border::Etched, false});
    const HWND frame = c.frame1.hwnd();
    c.cmdOK =
        CreatePushButton(instance_, frame, IDC_ABOUT_CMDOK, layout::kOkCaption, BS_DEFPUSHBUTTON,
                         PixelRect(scale_, layout::kCmdOK), c.defaultFont.get());
    c.cmdSysInfo = CreatePushButton(instance_, frame, IDC_ABOUT_CMDSYSINFO, layout::kSysInfoCaption,
                                    BS_PUSHBUTTON, PixelRect(scale_, layout::kCmdSysInfo),
                                    c.defaultFont.get());
    c.lbCr = CreateLabel(instance_, frame, IDC_ABOUT_LB_CR, layout::kNoticePlaceholder, SS_LEFT,
                         PixelRect(scale_, layout::kLbCr), c.noticeFont.get());

    c.picture1.Create(instance_, hwnd_, IDC_ABOUT_PICTURE1, PixelRect(scale_, layout::kPicture1),
                      {face, PanelWindow::Border::None, true});
    c.picture1.OnPaint([this](HDC dc, const RECT&) {
        if (pictureIcon_ != nullptr) {
            DrawIconEx(dc, 0, 0, pictureIcon_.get(), layout::kPictureIconSize,
                       layout::kPictureIconSize, 0, nullptr, DI_NORMAL);
        }
    });

    c.label1 = CreateLabel(instance_, hwnd_, IDC_ABOUT_LABEL1, AboutCreditLabelText(), SS_RIGHT,
                           PixelRect(scale_, layout::kLabel1), c.defaultFont.get());
    c.lblVersion =
        CreateLabel(instance_, hwnd_, IDC_ABOUT_LBLVERSION, layout::kVersionPlaceholder, SS_RIGHT,
                    PixelRect(scale_, layout::kLblVersion), c.defaultFont.get());
    c.lblTitle = CreateLabel(instance_, hwnd_, IDC_ABOUT_LBLTITLE, layout::kTitlePlaceholder,
                             SS_LEFT, PixelRect(scale_, layout::kLblTitle), c.titleFont.get());
    c.lblDescription =
        CreateLabel(instance_, hwnd_, IDC_ABOUT_LBLDESCRIPTION, layout::kDescriptionPlaceholder,
                    SS_LEFT, PixelRect(scale_, layout::kLblDescription), c.defaultFont.get());

    c.colors.Add(c.lblTitle, kDarkRed, face);
    c.colors.Add(c.label1, kNavy, face);
    c.colors.Add(c.lblVersion, kNavy, face);
    c.colors.Add(c.lblDescription, kBlack, face);
    c.colors.Add(c.lbCr, std::nullopt, face);
    controls_ = std::move(controls);
}

LRESULT AboutWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            CreateControls();
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_CTLCOLORSTATIC:
            if (controls_ != nullptr) {
                if (const HBRUSH brush = controls_->colors.Apply(reinterpret_cast<HWND>(lParam),
                                                                 reinterpret_cast<HDC>(wParam))) {
                    return reinterpret_cast<LRESULT>(brush);
                }
            }
            break;
        case WM_SETCURSOR:
            if (OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam))) {
                return TRUE;
            }
            break;
        case WM_ACTIVATE:
            OnActivate(LOWORD(wParam) != WA_INACTIVE);
            return 0;
        case WM_CLOSE:
            // The close box and Alt+F4 unload the window, as OK does.
            Unload();
            return 0;
        case WM_NCDESTROY:
            controls_.reset();
            break;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void AboutWindow::OnCommand(WORD id, WORD notification) {
    switch (id) {
        case IDC_ABOUT_CMDOK:
            if (notification == BN_CLICKED) {
                form_.cmdOK_Click();
            }
            break;
        case IDC_ABOUT_CMDSYSINFO:
            if (notification == BN_CLICKED) {
                form_.cmdSysInfo_Click();
            }
            break;
        case IDC_ABOUT_LABEL1:
            if (notification == STN_CLICKED) {
                form_.Label1_Click();
            }
            break;
        case IDOK:
            // Enter with no default button under the focus: the button with the focus is
            // pressed, else OK, the default button.
            if (controls_ != nullptr && GetFocus() == controls_->cmdSysInfo) {
                form_.cmdSysInfo_Click();
            } else {
                form_.cmdOK_Click();
            }
            break;
        case IDCANCEL:
            // Esc: OK is also the cancel button.
            form_.cmdOK_Click();
            break;
        default:
            break;
    }
}

void AboutWindow::OnActivate(bool active) {
    if (controls_ == nullptr) {
        return;
    }
    if (!active) {
        const HWND focus = GetFocus();
        focus_ = focus != nullptr && IsChild(hwnd_, focus) ? focus : nullptr;
        return;
    }
    // The focus comes back to where it was; at the first activation to OK.
    SetFocus(focus_ != nullptr && IsWindow(focus_) ? focus_ : controls_->cmdOK);
}

bool AboutWindow::OnSetCursor(HWND over, WORD hitTest) {
    if (controls_ == nullptr || pointer_ == nullptr || hitTest != HTCLIENT) {
        return false;
    }
    if (over != controls_->label1 && over != controls_->lblVersion) {
        return false;
    }
    SetCursor(pointer_.get());
    return true;
}

HWND AboutWindow::LabelWindow(Label label) const {
    if (controls_ == nullptr) {
        return nullptr;
    }
    switch (label) {
        case Label::lblTitle:
            return controls_->lblTitle;
        case Label::lblVersion:
            return controls_->lblVersion;
        case Label::lblDescription:
            return controls_->lblDescription;
        case Label::Lb_cr:
            return controls_->lbCr;
    }
    return nullptr;
}

FrmAboutControls::Position AboutWindow::MainWindowPosition() const {
    RECT main{};
    if (mainWindow_ == nullptr || !GetWindowRect(mainWindow_, &main)) {
        return {};
    }
    return {scale_.ToTwips(main.left), scale_.ToTwips(main.top)};
}

void AboutWindow::MoveTo(Twips left, Twips top) {
    // Not kept within the screen.
    SetWindowPos(hwnd_, nullptr, scale_.ToPixels(left), scale_.ToPixels(top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void AboutWindow::SetCaption(std::string_view caption) {
    SetWindowTextW(hwnd_, Utf8ToWide(caption).c_str());
}

void AboutWindow::SetLabelText(Label label, std::string_view text) {
    if (const HWND window = LabelWindow(label)) {
        SetWindowTextW(window, Utf8ToWide(text).c_str());
    }
}

void AboutWindow::Unload() {
    if (hwnd_ == nullptr) {
        return;
    }
    if (modal_ != nullptr) {
        // The other windows take input again before this one goes, so that the system hands
        // the activation back to them.
        modal_->ReleaseOthers();
    }
    DestroyWindow(hwnd_);
}

}  // namespace verbalo::platform::win32
