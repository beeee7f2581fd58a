#include "ui/win32/producer_window.h"

#include <windowsx.h>

#include <array>
#include <cmath>
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

#include "infowindows/producer_texts.h"
#include "platform/win32/text_conversion.h"
#include "resources/maker_data.h"
#include "resources/producer_layout.h"
#include "resources/producer_window_texts.h"
#include "resources/resource_ids.h"
#include "ui/win32/child_controls.h"
#include "ui/win32/coloured_button.h"
#include "ui/win32/control_font.h"
#include "ui/win32/font_fallback.h"
#include "ui/win32/keyboard_link.h"
#include "ui/win32/mouse_events.h"
#include "ui/win32/panel_window.h"
#include "ui/win32/thumbs_up_picture.h"

namespace verbalo::ui::win32 {

using platform::win32::Utf8ToWide;
using platform::win32::WideToUtf8;
namespace {

namespace layout = producer_layout;

constexpr std::int16_t kLeftButton = 1;
constexpr std::size_t kLabelCount = 5;  // the labels the handlers reach, InfTalvoControls::Label

// A fixed single border, on its own grey.
const ModalWindowFrame kFrame{L"VerbaloProducer",
                              IDI_PRODUCER,
                              colours::kProducerText.background,
                              layout::kCaption,
                              0,
                              layout::kClientWidth,
                              layout::kClientHeight};

platform::WindowHandle HandleOf(HWND control) {
    return reinterpret_cast<platform::WindowHandle>(control);
}

std::size_t IndexOf(InfTalvoControls::Label label) {
    return static_cast<std::size_t>(label);
}

}  // namespace

// What exists while the window is loaded.
struct ProducerWindow::Controls : LoadedControls {
    struct LabelControl {
        HWND hwnd = nullptr;
        std::unique_ptr<ControlFont> font;
    };

    HFONT buttonFont = nullptr;  // the layout's
    PanelWindow frame1;
    PanelWindow picture1;
    std::unique_ptr<ColouredButton> command1;
    std::unique_ptr<ColouredButton> cmdInfoSys;
    std::array<LabelControl, kLabelCount> labels;     // by InfTalvoControls::Label
    std::vector<std::unique_ptr<ControlFont>> fonts;  // of the labels no handler changes
    std::vector<std::unique_ptr<ControlMouseEvents>> mouse;
    std::vector<std::unique_ptr<KeyboardLink>> links;
    Twips line1X2 = layout::kLine1X2;
    HWND drawnThumb = nullptr;  // the pictogram's label when it draws the pictogram itself
};

ProducerWindow::ProducerWindow(HINSTANCE instance, InfTalvoServices services,
                               std::string dirHiddenStartFolder,
                               const platform::DisplaySettings& display,
                               platform::Accessibility& accessibility)
    : ModalWindowFor(instance, kFrame,
                     {{IDC_PRODUCER_COMMAND1, [this] { form_.Command1_Click(); }},
                      {IDC_PRODUCER_CMDINFOSYS, [this] { form_.cmdInfoSys_Click(); }},
                      {IDOK, [this] { form_.EnterPressed(FocusedButton()); }},
                      {IDCANCEL, [this] { form_.EscPressed(); }}},
                     display),
      form_(*this, services, std::move(dirHiddenStartFolder)),
      accessibility_(accessibility) {}

ProducerWindow::Controls* ProducerWindow::controls() const {
    return static_cast<Controls*>(loaded());
}

platform::WindowHandle ProducerWindow::HandleLoadingIfNeeded() {
    if (!Load()) {
        throw std::runtime_error("the producer window could not be created");
    }
    return Handle();
}

std::unique_ptr<ModalWindow::LoadedControls> ProducerWindow::CreateControls() {
    auto controls = std::make_unique<Controls>();
    // Created in the tab order (Command1, cmdInfoSys, Picture1, lbMail, lbSito: from the top in
    // reading order, the buttons after the links), and each link label before the caption
    // label beside it, which reaches under it.
    CreateFrame(*controls);
    CreatePicture(*controls);
    CreateLabels(*controls);
    controls->firstFocus = controls->command1->hwnd();
    return controls;
}

void ProducerWindow::CreateFrame(Controls& c) {
    c.buttonFont = c.layout.AddFont(FontLook::From(window_layout::kDefaultFont), scale());
    c.frame1.Create(instance(), hwnd_, IDC_PRODUCER_FRAME1, PixelRect(scale(), layout::kFrame1),
                    {[this] { return theme().BrushOf(colours::kProducerText.background); },
                     PanelWindow::Border::Etched, false});
    c.layout.Place(c.frame1.hwnd(), layout::kFrame1);
    c.frame1.OnMouseMove([this](WPARAM keys, int x, int y) {
        const MouseEvent event = MouseMoveEvent(keys, x, y, scale());
        form_.Frame1_MouseMove(event.button, event.shift, event.x, event.y);
    });
    const HWND frame = c.frame1.hwnd();
    c.command1 = std::make_unique<ColouredButton>(
        instance(), frame, IDC_PRODUCER_COMMAND1, Utf8ToWide(layout::kOkCaption).c_str(),
        PixelRect(scale(), layout::kCommand1), c.buttonFont, colours::kOkButton, theme());
    c.cmdInfoSys = std::make_unique<ColouredButton>(
        instance(), frame, IDC_PRODUCER_CMDINFOSYS, Utf8ToWide(layout::kSysInfoCaption).c_str(),
        PixelRect(scale(), layout::kCmdInfoSys), c.buttonFont, colours::kSysInfoButton, theme());
    c.layout.Place(c.command1->hwnd(), layout::kCommand1, c.buttonFont);
    c.layout.Place(c.cmdInfoSys->hwnd(), layout::kCmdInfoSys, c.buttonFont);

    const HWND lbCr = CreateLabel(instance(), frame, IDC_PRODUCER_LB_CR, layout::kNoticePlaceholder,
                                  SS_LEFT, PixelRect(scale(), layout::kLbCr), nullptr);
    c.labels[IndexOf(Label::Lb_cr)] = {
        lbCr, std::make_unique<ControlFont>(lbCr, FontLook::From(layout::kNoticeFont), scale())};
    c.layout.Place(lbCr, layout::kLbCr);
    c.layout.AddControlFont(*c.labels[IndexOf(Label::Lb_cr)].font);
    c.colors.Add(lbCr, colours::kProducerText);
    c.mouse.push_back(std::make_unique<ControlMouseEvents>(
        lbCr, scale(),
        [this](const MouseEvent& e) { form_.Lb_cr_MouseMove(e.button, e.shift, e.x, e.y); },
        nullptr));
}

void ProducerWindow::CreatePicture(Controls& c) {
    CreateInvisibleLabel(instance(), hwnd_, texts::kProducerPictureName);
    c.picture1.Create(instance(), hwnd_, IDC_PRODUCER_PICTURE1,
                      PixelRect(scale(), layout::kPicture1),
                      {[this] { return theme().BrushOf(colours::kProducerHand.background); },
                       PanelWindow::Border::Sunken, true});
    c.layout.Place(c.picture1.hwnd(), layout::kPicture1);
    const HWND thumb =
        CreateLabel(instance(), c.picture1.hwnd(), IDC_PRODUCER_LB_ADP4, layout::kThumbsUp, SS_LEFT,
                    PixelRect(scale(), layout::kLbAdp4), nullptr);
    c.fonts.push_back(
        std::make_unique<ControlFont>(thumb, FontLook::From(layout::kSymbolFont), scale()));
    c.layout.Place(thumb, layout::kLbAdp4);
    c.layout.AddControlFont(*c.fonts.back());
    c.colors.Add(thumb, colours::kProducerHand);
    // Its text is the letter that the symbol font draws as the hand: it is read by a name.
    accessibility_.NamePicture(HandleOf(thumb), texts::kThumbsUpName);
    // Without the symbol font the letter would show, not the pictogram: the label draws it.
    if (!IsFontInstalled(Utf8ToWide(layout::kSymbolFont.face), SYMBOL_CHARSET)) {
        const LONG_PTR style = GetWindowLongPtrW(thumb, GWL_STYLE);
        SetWindowLongPtrW(thumb, GWL_STYLE, (style & ~SS_TYPEMASK) | SS_OWNERDRAW);
        c.drawnThumb = thumb;
    }
}

void ProducerWindow::CreateLabels(Controls& c) {
    auto label = [&](int id, std::string_view text, DWORD align,
                     const window_layout::ControlRect& rect, const window_layout::FontDesign& font,
                     const colours::TextColours& colour) {
        const HWND hwnd = c.layout.Place(
            CreateLabel(instance(), hwnd_, id, text, align, PixelRect(scale(), rect), nullptr),
            rect);
        c.colors.Add(hwnd, colour);
        Controls::LabelControl made{
            hwnd, std::make_unique<ControlFont>(hwnd, FontLook::From(font), scale())};
        c.layout.AddControlFont(*made.font);
        return made;
    };
    auto fixed = [&](Controls::LabelControl made) { c.fonts.push_back(std::move(made.font)); };

    c.labels[IndexOf(Label::lbMail)] =
        label(IDC_PRODUCER_LBMAIL, maker::kEmail, SS_LEFT, layout::kLbMail, layout::kContactFont,
              colours::kProducerLink);
    c.labels[IndexOf(Label::lbSito)] =
        label(IDC_PRODUCER_LBSITO, maker::kWebAddress, SS_LEFT, layout::kLbSito,
              layout::kContactFont, colours::kProducerLink);
    fixed(label(IDC_PRODUCER_LABEL3_1, layout::kMailCaption, SS_LEFT, layout::kLabel3_1,
                layout::kContactFont, colours::kProducerText));
    fixed(label(IDC_PRODUCER_LABEL3_0, layout::kSiteCaption, SS_LEFT, layout::kLabel3_0,
                layout::kContactFont, colours::kProducerText));
    fixed(label(IDC_PRODUCER_LB_ADP0, maker::kTradeName, SS_LEFT, layout::kLbAdp0,
                layout::kTradeNameFont, colours::kProducerName));
    fixed(label(IDC_PRODUCER_LB_ADP1, maker::kCompanyForm, SS_LEFT, layout::kLbAdp1,
                layout::kCompanyFormFont, colours::kProducerName));
    fixed(label(IDC_PRODUCER_LB_ADP3, LegalNameRestLabelText(), SS_LEFT, layout::kLbAdp3,
                layout::kLegalNameFont, colours::kProducerName));
    c.labels[IndexOf(Label::lbIndirizzo)] =
        label(IDC_PRODUCER_LBINDIRIZZO, layout::kTownPlaceholder, SS_CENTER, layout::kLbIndirizzo,
              layout::kContactFont, colours::kProducerText);
    c.labels[IndexOf(Label::Lb_dati)] =
        label(IDC_PRODUCER_LB_DATI, layout::kNumbersPlaceholder, SS_LEFT, layout::kLbDati,
              layout::kContactFont, colours::kProducerText);

    c.mouse.push_back(std::make_unique<ControlMouseEvents>(
        c.labels[IndexOf(Label::lbMail)].hwnd, scale(),
        [this](const MouseEvent& e) { form_.lbMail_MouseMove(e.button, e.shift, e.x, e.y); },
        [this](const MouseEvent& e) { form_.lbMail_MouseDown(e.button, e.shift, e.x, e.y); }));
    c.mouse.push_back(std::make_unique<ControlMouseEvents>(
        c.labels[IndexOf(Label::lbSito)].hwnd, scale(),
        [this](const MouseEvent& e) { form_.lbSito_MouseMove(e.button, e.shift, e.x, e.y); },
        [this](const MouseEvent& e) { form_.lbSito_MouseDown(e.button, e.shift, e.x, e.y); }));
    for (const Label link : {Label::lbMail, Label::lbSito}) {
        accessibility_.MarkLink(HandleOf(c.labels[IndexOf(link)].hwnd));
    }
    // From the keyboard, a link opens as by a press of the left button at its corner.
    c.links.push_back(std::make_unique<KeyboardLink>(c.labels[IndexOf(Label::lbMail)].hwnd, [this] {
        form_.lbMail_MouseDown(kLeftButton, 0, 0, 0);
    }));
    c.links.push_back(std::make_unique<KeyboardLink>(c.labels[IndexOf(Label::lbSito)].hwnd, [this] {
        form_.lbSito_MouseDown(kLeftButton, 0, 0, 0);
    }));
    c.mouse.push_back(std::make_unique<ControlMouseEvents>(
        c.labels[IndexOf(Label::Lb_dati)].hwnd, scale(),
        [this](const MouseEvent& e) { form_.Lb_dati_MouseMove(e.button, e.shift, e.x, e.y); },
        nullptr));
}

std::optional<LRESULT> ProducerWindow::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_MOUSEMOVE: {
            const MouseEvent event =
                MouseMoveEvent(wParam, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), scale());
            form_.Form_MouseMove(event.button, event.shift, event.x, event.y);
            return 0;
        }
        case WM_DESTROY:
            if (const Controls* c = controls()) {
                for (const Label link : {Label::lbMail, Label::lbSito}) {
                    accessibility_.Forget(HandleOf(LabelWindow(link)));
                }
                accessibility_.Forget(
                    HandleOf(GetDlgItem(c->picture1.hwnd(), IDC_PRODUCER_LB_ADP4)));
            }
            return std::nullopt;
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (controls() != nullptr && item.hwndItem == controls()->drawnThumb) {
                FillRect(item.hDC, &item.rcItem,
                         theme().BrushOf(colours::kProducerHand.background));
                DrawThumbsUp(item.hDC, item.rcItem, theme().Colour(colours::kProducerHand.text));
                return TRUE;
            }
            if (DrawButton(item)) {
                return TRUE;
            }
            break;
        }
        default:
            break;
    }
    return std::nullopt;
}

std::optional<InfTalvo::Button> ProducerWindow::FocusedButton() const {
    using Button = InfTalvo::Button;
    const Controls* c = controls();
    return c == nullptr ? std::nullopt
                        : FocusedAmong<Button>({{c->command1->hwnd(), Button::Command1},
                                                {c->cmdInfoSys->hwnd(), Button::cmdInfoSys}});
}

bool ProducerWindow::DrawButton(const DRAWITEMSTRUCT& item) const {
    const Controls* c = controls();
    if (c == nullptr) {
        return false;
    }
    for (const ColouredButton* button : {c->command1.get(), c->cmdInfoSys.get()}) {
        if (button != nullptr && button->hwnd() == item.hwndItem) {
            button->Draw(item);
            return true;
        }
    }
    return false;
}

void ProducerWindow::Paint() {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(hwnd_, &paint);
    if (controls() != nullptr) {
        // Line1, in the default line colour.
        const GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_WINDOWTEXT)));
        const HGDIOBJ previous = SelectObject(dc, pen.get());
        const int y = scale().ToPixels(layout::kLine1Y);
        MoveToEx(dc, 0, y, nullptr);
        LineTo(dc, scale().ToPixels(controls()->line1X2), y);
        SelectObject(dc, previous);
    }
    EndPaint(hwnd_, &paint);
}

HWND ProducerWindow::LabelWindow(Label label) const {
    return controls() != nullptr ? controls()->labels[IndexOf(label)].hwnd : nullptr;
}

platform::WindowHandle ProducerWindow::Handle() const {
    return reinterpret_cast<platform::WindowHandle>(hwnd_);
}

std::string ProducerWindow::LabelText(Label label) const {
    const HWND window = LabelWindow(label);
    return window != nullptr ? WideToUtf8(WindowTextOf(window)) : std::string();
}

void ProducerWindow::SetLabelText(Label label, std::string_view text) {
    if (const HWND window = LabelWindow(label)) {
        SetWindowTextW(window, Utf8ToWide(text).c_str());
        controls()->labels[IndexOf(label)].font->TextChanged();
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
    if (controls() != nullptr) {
        controls()->labels[IndexOf(label)].font->SetPoints(points);
    }
}

void ProducerWindow::SetLabelUnderline(Label label, bool underline) {
    if (controls() != nullptr) {
        controls()->labels[IndexOf(label)].font->SetUnderline(underline);
    }
}

void ProducerWindow::SetLabelBold(Label label, bool bold) {
    if (controls() != nullptr) {
        controls()->labels[IndexOf(label)].font->SetBold(bold);
    }
}

void ProducerWindow::SetLine1X2(Twips x2) {
    if (controls() != nullptr) {
        controls()->line1X2 = x2;
        InvalidateRect(hwnd_, nullptr, TRUE);
    }
}

InfTalvoControls::Size ProducerWindow::OuterSize() const {
    RECT rect{};
    GetWindowRect(hwnd_, &rect);
    return {scale().ToTwips(rect.right - rect.left), scale().ToTwips(rect.bottom - rect.top)};
}

InfTalvoControls::Twips ProducerWindow::InnerWidth() const {
    RECT client{};
    GetClientRect(hwnd_, &client);
    return scale().ToTwips(client.right - client.left);
}

void ProducerWindow::SetTop(float top) {
    RECT rect{};
    GetWindowRect(hwnd_, &rect);
    SetWindowPos(hwnd_, nullptr, rect.left, scale().ToPixels(static_cast<Twips>(std::lround(top))),
                 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ProducerWindow::SetLeft(float left) {
    RECT rect{};
    GetWindowRect(hwnd_, &rect);
    SetWindowPos(hwnd_, nullptr, scale().ToPixels(static_cast<Twips>(std::lround(left))), rect.top,
                 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

InfTalvoControls::Size ProducerWindow::ScreenSize() const {
    return {scale().ToTwips(GetSystemMetrics(SM_CXSCREEN)),
            scale().ToTwips(GetSystemMetrics(SM_CYSCREEN))};
}

}  // namespace verbalo::ui::win32
