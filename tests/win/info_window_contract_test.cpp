// The contracts of the information windows' controls, held against the real windows under
// Win32; the unit tests hold the fakes to the same contracts. Each suite keeps one window object
// for all its tests; the windows are never shown.
#include <windows.h>

#include <memory>

#include "info_window_support.h"
#include "platform/fakes/fake_dialogs.h"
#include "platform/fakes/fake_file_system.h"
#include "platform/fakes/fake_message_pump.h"
#include "platform/fakes/fake_shell.h"
#include "platform/win32/text_conversion.h"
#include "resources/resource_ids.h"
#include "tests/contract/frm_about_controls_contract.h"
#include "tests/contract/inf_talvo_controls_contract.h"
#include "ui/win32/about_window.h"
#include "ui/win32/child_controls.h"
#include "ui/win32/producer_window.h"
#include "ui/win32/twips.h"

namespace verbalo::platform::win32 {

using namespace ::verbalo::ui::win32;  // the window adapters under test
namespace {

using contract::FrmAboutControlsContract;
using contract::InfTalvoControlsContract;

// A hidden top-level window where the main window would be: only its position counts.
class HiddenMainWindow {
  public:
    HiddenMainWindow()
        : hwnd_(CreateWindowExW(0, L"STATIC", L"main window stand-in", WS_OVERLAPPEDWINDOW, 0, 0,
                                480, 160, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr)) {}
    ~HiddenMainWindow() { DestroyWindow(hwnd_); }
    HiddenMainWindow(const HiddenMainWindow&) = delete;
    HiddenMainWindow& operator=(const HiddenMainWindow&) = delete;

    HWND hwnd() const { return hwnd_; }

  private:
    HWND hwnd_;
};

// A child control of a window, directly in it or in one of its panels.
HWND ControlOf(HWND window, int id, int panel) {
    const HWND direct = GetDlgItem(window, id);
    return direct != nullptr ? direct : GetDlgItem(GetDlgItem(window, panel), id);
}

std::string TextOf(HWND window) {
    return WideToUtf8(WindowTextOf(window));
}

class NoProducerWindow : public ProducerWindowOpener {
  public:
    void ShowProducerWindowModally() override {}
};

class AboutWindowHarness final : public contract::FrmAboutHarness {
  public:
    AboutWindowHarness() { about_.SetMainWindow(main_.hwnd()); }

    FrmAboutControls& Controls() override {
        about_.Load();
        return about_;
    }
    bool IsLoaded() const override { return about_.IsLoaded(); }
    std::string Caption() const override { return TextOf(about_.hwnd()); }
    std::string LabelText(Label label) const override {
        return TextOf(ControlOf(about_.hwnd(), IdOf(label), IDC_ABOUT_FRAME1));
    }
    Position WindowPosition() const override {
        RECT rect{};
        GetWindowRect(about_.hwnd(), &rect);
        return {scale_.ToTwips(rect.left), scale_.ToTwips(rect.top)};
    }
    Size WindowSize() const override {
        RECT rect{};
        GetWindowRect(about_.hwnd(), &rect);
        return {scale_.ToTwips(rect.right - rect.left), scale_.ToTwips(rect.bottom - rect.top)};
    }
    void PlaceMainWindow(Position corner) override {
        SetWindowPos(main_.hwnd(), nullptr, scale_.ToPixels(corner.left),
                     scale_.ToPixels(corner.top), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    Twips Pixel() const override { return scale_.ToTwips(1); }

  private:
    static int IdOf(Label label) {
        switch (label) {
            case Label::lblTitle:
                return IDC_ABOUT_LBLTITLE;
            case Label::lblVersion:
                return IDC_ABOUT_LBLVERSION;
            case Label::lblDescription:
                return IDC_ABOUT_LBLDESCRIPTION;
            case Label::Lb_cr:
                return IDC_ABOUT_LB_CR;
        }
        return 0;
    }

    TwipsScale scale_;
    HiddenMainWindow main_;
    Global global_;
    test::FakeLauncher launcher_{global_};
    NoProducerWindow producerWindow_;
    AboutWindow about_{GetModuleHandleW(nullptr), launcher_, producerWindow_, {"Verbalo", {}}};
};

class ProducerWindowHarness final : public contract::InfTalvoHarness,
                                    private test::ProducerWindowOnDoubles {
  public:
    InfTalvoControls& Controls() override {
        producer_.Load();
        return producer_;
    }
    bool IsLoaded() const override { return producer_.IsLoaded(); }
    Corner WindowCorner() const override {
        RECT rect{};
        GetWindowRect(producer_.hwnd(), &rect);
        return {scale_.ToTwips(rect.left), scale_.ToTwips(rect.top)};
    }
    Look LabelLook(Label label) const override {
        const LOGFONTW font =
            test::FontOf(ControlOf(producer_.hwnd(), IdOf(label), IDC_PRODUCER_FRAME1));
        return {-font.lfHeight * 72.0 / scale_.dpi(), font.lfWeight >= FW_BOLD,
                font.lfUnderline != 0};
    }
    Twips Pixel() const override { return scale_.ToTwips(1); }

  private:
    static int IdOf(Label label) {
        switch (label) {
            case Label::lbIndirizzo:
                return IDC_PRODUCER_LBINDIRIZZO;
            case Label::Lb_dati:
                return IDC_PRODUCER_LB_DATI;
            case Label::Lb_cr:
                return IDC_PRODUCER_LB_CR;
            case Label::lbMail:
                return IDC_PRODUCER_LBMAIL;
            case Label::lbSito:
                return IDC_PRODUCER_LBSITO;
        }
        return 0;
    }

    TwipsScale scale_;
};

std::unique_ptr<contract::FrmAboutHarness> MakeAboutWindow() {
    return std::make_unique<AboutWindowHarness>();
}
std::unique_ptr<contract::InfTalvoHarness> MakeProducerWindow() {
    return std::make_unique<ProducerWindowHarness>();
}

INSTANTIATE_TEST_SUITE_P(Win32, FrmAboutControlsContract, ::testing::Values(&MakeAboutWindow));
INSTANTIATE_TEST_SUITE_P(Win32, InfTalvoControlsContract, ::testing::Values(&MakeProducerWindow));

}  // namespace
}  // namespace verbalo::platform::win32
