#pragma once

// The contract that every implementation of the main window's controls keeps: the fake the
// unit tests use and the real Win32 window alike. The same tests run against both; a fake that
// drifts from the real window fails here.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

#include "mainwindow/form1.h"
#include "platform/fakes/fake_clipboard.h"
#include "platform/fakes/fake_dialogs.h"

namespace verbalo::contract {

// A main window under test: Form1 on its controls, with fakes for the services, shown, with
// the focus in the amount field and a comma as the decimal separator. Besides the controls it
// offers what the tests read and do as a user would.
class Form1Harness {
  public:
    virtual ~Form1Harness() = default;

    virtual Form1& form() = 0;
    virtual Form1Controls& controls() = 0;
    virtual platform::FakeClipboard& clipboard() = 0;
    virtual platform::FakeDialogs& dialogs() = 0;

    // Readings.
    virtual std::string EchoCaption() = 0;
    virtual std::string OutputText() = 0;
    virtual int Caret() = 0;  // in UTF-16 units
    virtual bool AmountFieldHasFocus() = 0;

    // The user, in the amount field.
    virtual void Type(char key) = 0;
    virtual void Paste(std::string_view text) = 0;  // Ctrl+V with text on the clipboard
    // The field reports a change although its text stayed as it was, as an edit does when a
    // key meets a full field or all its text is selected.
    virtual void NotifyUnchangedText() = 0;

    // The focus moves to another window of the program.
    virtual void MoveFocusToOwnWindow() = 0;
    // The message loop runs what is waiting.
    virtual void ProcessPendingEvents() = 0;
};

using Form1HarnessFactory = std::function<std::unique_ptr<Form1Harness>()>;

struct Form1HarnessKind {
    std::string name;
    Form1HarnessFactory make;
};

class Form1ControlsContract : public ::testing::TestWithParam<Form1HarnessKind> {
  protected:
    void SetUp() override { harness_ = GetParam().make(); }
    void TearDown() override { harness_.reset(); }

    Form1Harness& h() { return *harness_; }
    Form1Controls& controls() { return harness_->controls(); }

  private:
    std::unique_ptr<Form1Harness> harness_;
};

inline void PrintTo(const Form1HarnessKind& kind, std::ostream* out) {
    *out << kind.name;
}

inline std::string KindName(const ::testing::TestParamInfo<Form1HarnessKind>& info) {
    return info.param.name;
}

}  // namespace verbalo::contract
