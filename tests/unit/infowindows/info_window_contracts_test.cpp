// The contracts of the information windows' controls, held against the fakes the handlers'
// tests use; the Windows tests hold the real windows to the same contracts.
#include <cmath>
#include <memory>

#include "info_window_doubles.h"
#include "resources/about_layout.h"
#include "tests/contract/frm_about_controls_contract.h"
#include "tests/contract/inf_talvo_controls_contract.h"

namespace verbalo {
namespace {

using contract::FrmAboutControlsContract;
using contract::InfTalvoControlsContract;
using info_test::FakeFrmAboutWindow;
using info_test::FakeInfTalvoWindow;

// A fake stands at whole twips; unloading it ends it, and the next loading makes a new one.
class FakeFrmAboutHarness final : public contract::FrmAboutHarness {
  public:
    FrmAboutControls& Controls() override {
        if (!IsLoaded()) {
            window_ = std::make_unique<FakeFrmAboutWindow>();
        }
        return *window_;
    }
    bool IsLoaded() const override { return window_->unloads == 0; }
    std::string Caption() const override { return window_->caption; }
    std::string LabelText(Label label) const override {
        const auto found = window_->labels.find(label);
        return found != window_->labels.end() ? found->second : std::string();
    }
    Position WindowPosition() const override { return window_->position; }
    // The fake has no size of its own: it is the layout's.
    Size WindowSize() const override {
        return {about_layout::kClientWidth, about_layout::kClientHeight};
    }
    void PlaceMainWindow(Position corner) override { window_->mainWindow = corner; }
    Twips Pixel() const override { return 1; }

  private:
    std::unique_ptr<FakeFrmAboutWindow> window_ = std::make_unique<FakeFrmAboutWindow>();
};

class FakeInfTalvoHarness final : public contract::InfTalvoHarness {
  public:
    InfTalvoControls& Controls() override {
        if (!IsLoaded()) {
            window_ = std::make_unique<FakeInfTalvoWindow>();
        }
        return *window_;
    }
    bool IsLoaded() const override { return window_->unloads == 0; }
    Corner WindowCorner() const override {
        return {static_cast<Twips>(std::lround(window_->left)),
                static_cast<Twips>(std::lround(window_->top))};
    }
    Look LabelLook(Label label) const override {
        const FakeInfTalvoWindow::LabelState& state = window_->labels.at(label);
        return {state.fontPoints, state.bold, state.underline};
    }
    Twips Pixel() const override { return 1; }

  private:
    std::unique_ptr<FakeInfTalvoWindow> window_ = std::make_unique<FakeInfTalvoWindow>();
};

std::unique_ptr<contract::FrmAboutHarness> MakeFakeFrmAbout() {
    return std::make_unique<FakeFrmAboutHarness>();
}
std::unique_ptr<contract::InfTalvoHarness> MakeFakeInfTalvo() {
    return std::make_unique<FakeInfTalvoHarness>();
}

INSTANTIATE_TEST_SUITE_P(Fake, FrmAboutControlsContract, ::testing::Values(&MakeFakeFrmAbout));
INSTANTIATE_TEST_SUITE_P(Fake, InfTalvoControlsContract, ::testing::Values(&MakeFakeInfTalvo));

}  // namespace
}  // namespace verbalo
