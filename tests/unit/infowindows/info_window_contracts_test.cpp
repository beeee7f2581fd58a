// The contract of the producer window's controls, held against the fake the handlers' tests use;
// the Windows tests hold the real window to the same contract.
#include <memory>

#include "info_window_doubles.h"
#include "tests/contract/inf_talvo_controls_contract.h"

namespace verbalo {
namespace {

using contract::InfTalvoControlsContract;
using info_test::FakeInfTalvoWindow;

// Unloading a fake ends it, and the next loading makes a new one.
class FakeInfTalvoHarness final : public contract::InfTalvoHarness {
  public:
    InfTalvoControls& Controls() override {
        if (!IsLoaded()) {
            window_ = std::make_unique<FakeInfTalvoWindow>();
        }
        return *window_;
    }
    bool IsLoaded() const override { return window_->unloads == 0; }
    Look LabelLook(Label label) const override {
        const FakeInfTalvoWindow::LabelState& state = window_->labels.at(label);
        return {state.fontPoints, state.bold, state.underline};
    }
    Twips Pixel() const override { return 1; }

  private:
    std::unique_ptr<FakeInfTalvoWindow> window_ = std::make_unique<FakeInfTalvoWindow>();
};

std::unique_ptr<contract::InfTalvoHarness> MakeFakeInfTalvo() {
    return std::make_unique<FakeInfTalvoHarness>();
}

INSTANTIATE_TEST_SUITE_P(Fake, InfTalvoControlsContract, ::testing::Values(&MakeFakeInfTalvo));

}  // namespace
}  // namespace verbalo
