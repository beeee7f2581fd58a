// The contract of the producer window's controls, held against the real window under Win32;
// the unit tests hold the fake to the same contract. The suite keeps one window object for all
// its tests; the window is never shown.
#include <windows.h>

#include <memory>

#include "info_window_support.h"
#include "resources/resource_ids.h"
#include "tests/contract/inf_talvo_controls_contract.h"
#include "ui/win32/dpi.h"
#include "ui/win32/producer_window.h"

namespace verbalo::platform::win32 {

using namespace ::verbalo::ui::win32;  // the window adapters under test
namespace {

using contract::InfTalvoControlsContract;

class ProducerWindowHarness final : public contract::InfTalvoHarness,
                                    private test::ProducerWindowOnDoubles {
  public:
    InfTalvoControls& Controls() override {
        producer_.Load();
        return producer_;
    }
    bool IsLoaded() const override { return producer_.IsLoaded(); }
    Look LabelLook(Label label) const override {
        const LOGFONTW font = test::FontOf(GetDlgItem(producer_.hwnd(), IdOf(label)));
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

std::unique_ptr<contract::InfTalvoHarness> MakeProducerWindow() {
    return std::make_unique<ProducerWindowHarness>();
}

INSTANTIATE_TEST_SUITE_P(Win32, InfTalvoControlsContract, ::testing::Values(&MakeProducerWindow));

}  // namespace
}  // namespace verbalo::platform::win32
