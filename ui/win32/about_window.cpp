#include "ui/win32/about_window.h"

#include <array>
#include <utility>

#include "infowindows/about_texts.h"
#include "platform/win32/text_conversion.h"
#include "resources/about_layout.h"
#include "resources/about_window_texts.h"
#include "resources/resource_ids.h"
#include "ui/win32/child_controls.h"
#include "ui/win32/control_font.h"
#include "ui/win32/gdi_objects.h"
#include "ui/win32/keyboard_link.h"
#include "ui/win32/panel_window.h"

namespace verbalo::ui::win32 {

using platform::win32::Utf8ToWide;
namespace {

namespace layout = about_layout;

constexpr int kPointerSize = 32;
constexpr std::size_t kLabelCount = 4;  // the labels the load fills, FrmAboutControls::Label

// A fixed dialog border, on the system's button face.
const ModalWindowFrame kFrame{
    L"VerbaloAbout",        IDI_ABOUT,           colours::kAboutNotice.background,
    layout::kStoredCaption, WS_EX_DLGMODALFRAME, layout::kClientWidth,
    layout::kClientHeight};

}  // namespace

// What exists while the window is loaded.
struct AboutWindow::Controls : LoadedControls {
    HWND& labelOf(Label label) { return labels[std::to_underlying(label)]; }

    HFONT defaultFont = nullptr;  // the fonts are the layout's
    HFONT titleFont = nullptr;
    HFONT noticeFont = nullptr;
    PanelWindow frame1;
    PanelWindow picture1;
    std::array<HWND, kLabelCount> labels{};    // by FrmAboutControls::Label
    HWND label1 = nullptr;                     // the credit line
    std::unique_ptr<KeyboardLink> creditLink;  // opens the producer window from the keyboard
    HWND cmdOK = nullptr;
    HWND cmdSysInfo = nullptr;
};

AboutWindow::AboutWindow(HINSTANCE instance, SystemInfoLauncher& launcher,
                         ProducerWindowOpener& producerWindow, ApplicationIdentity application,
                         const platform::DisplaySettings& display)
    : ModalWindowFor(instance, kFrame,
                     {{IDC_ABOUT_CMDOK, [this] { form_.cmdOK_Click(); }},
                      {IDC_ABOUT_CMDSYSINFO, [this] { form_.cmdSysInfo_Click(); }},
                      {IDC_ABOUT_LABEL1, [this] { form_.Label1_Click(); }},
                      {IDOK, [this] { form_.EnterPressed(FocusedButton()); }},
                      {IDCANCEL, [this] { form_.EscPressed(); }}},
                     display),
      form_(*this, launcher, producerWindow, std::move(application)),
      pictureIcon_(LoadIconResource(instance, IDI_VERBALO, layout::kPictureIconSize)) {
    const IconHandle icon = LoadIconResource(instance, IDI_ABOUT, kPointerSize);
    pointer_ = CursorFromIcon(icon.get());
}

AboutWindow::Controls* AboutWindow::controls() const {
    return static_cast<Controls*>(loaded());
}

std::unique_ptr<ModalWindow::LoadedControls> AboutWindow::CreateControls() {
    auto controls = std::make_unique<Controls>();
    Controls& c = *controls;
    ControlLayout& placing = c.layout;
    c.defaultFont = placing.AddFont(FontLook::From(window_layout::kDefaultFont), scale());
    c.titleFont = placing.AddFont(FontLook::From(layout::kTitleFont), scale());
    c.noticeFont = placing.AddFont(FontLook::From(layout::kNoticeFont), scale());
    const auto face = [this] { return theme().BrushOf(colours::kAboutNotice.background); };
    auto makeLabel = [&](HWND parent, int id, std::string_view text, DWORD align,
                         const window_layout::ControlRect& rect, HFONT font) {
        return placing.Place(
            CreateLabel(instance(), parent, id, text, align, PixelRect(scale(), rect), font), rect,
            font);
    };
    auto makeButton = [&](int id, std::string_view caption, DWORD kind,
                          const window_layout::ControlRect& rect) {
        return placing.Place(CreatePushButton(instance(), c.frame1.hwnd(), id, caption, kind,
                                              PixelRect(scale(), rect), c.defaultFont),
                             rect, c.defaultFont);
    };

    // Created in the tab order: the buttons in the frame first, then the picture; the labels
    // take no focus.
    c.frame1.Create(instance(), hwnd_, IDC_ABOUT_FRAME1, PixelRect(scale(), layout::kFrame1),
                    {face, PanelWindow::Border::Etched, false});
    placing.Place(c.frame1.hwnd(), layout::kFrame1);
    c.cmdOK = makeButton(IDC_ABOUT_CMDOK, layout::kOkCaption, BS_DEFPUSHBUTTON, layout::kCmdOK);
    c.cmdSysInfo = makeButton(IDC_ABOUT_CMDSYSINFO, layout::kSysInfoCaption, BS_PUSHBUTTON,
                              layout::kCmdSysInfo);
    c.labelOf(Label::Lb_cr) =
        makeLabel(c.frame1.hwnd(), IDC_ABOUT_LB_CR, layout::kNoticePlaceholder, SS_LEFT,
                  layout::kLbCr, c.noticeFont);

    CreateInvisibleLabel(instance(), hwnd_, texts::kAboutPictureName);
    c.picture1.Create(instance(), hwnd_, IDC_ABOUT_PICTURE1, PixelRect(scale(), layout::kPicture1),
                      {face, PanelWindow::Border::None, true});
    placing.Place(c.picture1.hwnd(), layout::kPicture1);
    c.picture1.OnPaint([this](HDC dc, const RECT&) {
        if (pictureIcon_ != nullptr) {
            DrawIconEx(dc, 0, 0, pictureIcon_.get(), layout::kPictureIconSize,
                       layout::kPictureIconSize, 0, nullptr, DI_NORMAL);
        }
    });

    c.label1 = makeLabel(hwnd_, IDC_ABOUT_LABEL1, AboutCreditLabelText(), SS_RIGHT, layout::kLabel1,
                         c.defaultFont);
    // After the picture in the tab order: from the top in reading order, the buttons last.
    c.creditLink = std::make_unique<KeyboardLink>(c.label1, [this] { form_.Label1_Click(); });
    c.labelOf(Label::lblVersion) =
        makeLabel(hwnd_, IDC_ABOUT_LBLVERSION, layout::kVersionPlaceholder, SS_RIGHT,
                  layout::kLblVersion, c.defaultFont);
    c.labelOf(Label::lblTitle) = makeLabel(hwnd_, IDC_ABOUT_LBLTITLE, layout::kTitlePlaceholder,
                                           SS_LEFT, layout::kLblTitle, c.titleFont);
    c.labelOf(Label::lblDescription) =
        makeLabel(hwnd_, IDC_ABOUT_LBLDESCRIPTION, layout::kDescriptionPlaceholder, SS_LEFT,
                  layout::kLblDescription, c.defaultFont);

    c.colors.Add(c.labelOf(Label::lblTitle), colours::kAboutTitle);
    c.colors.Add(c.label1, colours::kAboutNavy);
    c.colors.Add(c.labelOf(Label::lblVersion), colours::kAboutNavy);
    c.colors.Add(c.labelOf(Label::lblDescription), colours::kAboutDescription);
    c.colors.Add(c.labelOf(Label::Lb_cr), colours::kAboutNotice);
    c.firstFocus = c.cmdOK;
    return controls;
}

std::optional<frmAbout::Button> AboutWindow::FocusedButton() const {
    using Button = frmAbout::Button;
    const Controls* c = controls();
    return c == nullptr ? std::nullopt
                        : FocusedAmong<Button>(
                              {{c->cmdOK, Button::cmdOK}, {c->cmdSysInfo, Button::cmdSysInfo}});
}

std::optional<LRESULT> AboutWindow::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETCURSOR && OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam))) {
        return TRUE;
    }
    return std::nullopt;
}

bool AboutWindow::OnSetCursor(HWND over, WORD hitTest) {
    Controls* c = controls();
    if (c == nullptr || pointer_ == nullptr || hitTest != HTCLIENT) {
        return false;
    }
    if (over != c->label1 && over != c->labelOf(Label::lblVersion)) {
        return false;
    }
    SetCursor(pointer_.get());
    return true;
}

FrmAboutControls::Position AboutWindow::MainWindowPosition() const {
    RECT main{};
    if (mainWindow() == nullptr || !GetWindowRect(mainWindow(), &main)) {
        return {};
    }
    return {scale().ToTwips(main.left), scale().ToTwips(main.top)};
}

void AboutWindow::MoveTo(Twips left, Twips top) {
    // Not kept within the screen.
    SetWindowPos(hwnd_, nullptr, scale().ToPixels(left), scale().ToPixels(top), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void AboutWindow::SetCaption(std::string_view caption) {
    SetWindowTextW(hwnd_, Utf8ToWide(caption).c_str());
}

void AboutWindow::SetLabelText(Label label, std::string_view text) {
    if (Controls* c = controls()) {
        SetWindowTextW(c->labelOf(label), Utf8ToWide(text).c_str());
    }
}

}  // namespace verbalo::ui::win32
