// The fake main window held to the contract of the real one.
#include "mainwindow/fakes/fake_form1_window.h"
#include "tests/contract/form1_controls_contract.h"

namespace verbalo::testing {

class FakeForm1Harness final : public contract::Form1Harness {
  public:
    Form1& form() override { return f_.form; }
    Form1Controls& controls() override { return f_.window; }
    platform::FakeClipboard& clipboard() override { return f_.clipboard; }
    platform::FakeDialogs& dialogs() override { return f_.dialogs; }

    std::string EchoCaption() override { return f_.window.echo; }
    std::string OutputText() override { return f_.window.output; }
    int Caret() override { return f_.window.caret; }
    bool AmountFieldHasFocus() override { return f_.window.amountFocused; }

    void Type(char key) override { f_.window.Type(key); }
    void Paste(std::string_view text) override { f_.window.Paste(text); }
    void NotifyUnchangedText() override { f_.window.NotifyUnchangedText(); }
    void MoveFocusToOwnWindow() override { f_.window.MoveFocusToOwnWindow(); }
    void ProcessPendingEvents() override { f_.window.ProcessPendingEvents(); }

  private:
    Form1Fixture f_{','};
};

}  // namespace verbalo::testing

namespace verbalo::contract {

INSTANTIATE_TEST_SUITE_P(Fake, Form1ControlsContract,
                         ::testing::Values(Form1HarnessKind{
                             "Fake", [] { return std::make_unique<testing::FakeForm1Harness>(); }}),
                         KindName);

}  // namespace verbalo::contract
