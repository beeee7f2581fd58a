#pragma once

#include <string>
#include <vector>

#include "mainwindow/form1.h"
#include "platform/fakes/fake_clipboard.h"
#include "platform/fakes/fake_dialogs.h"
#include "platform/fakes/fake_keyboard_events.h"
#include "platform/fakes/fake_locale.h"

namespace verbalo::testing {

// The main window's controls as the real ones behave: a text change runs Text1_Change, a size
// change runs Form_Resize, focusing the field runs Text1_GotFocus, all before returning.
class FakeForm1Window : public Form1Controls {
  public:
    static constexpr Twips kFrameWidth = 240;     // outer width - client width
    static constexpr Twips kScreenWidth = 19200;  // 1280 pixels at 15 twips each
    static constexpr Twips kScreenHeight = 12000;

    void Attach(Form1& form) { form_ = &form; }

    std::string AmountText() const override { return amountText; }
    void SetAmountText(std::string_view text) override {
        amountText = std::string(text);
        ++changeEvents;
        form_->Text1_Change();
    }
    int AmountMaxLength() const override { return maxLength; }
    void SetAmountCaret(int position) override {
        caret = std::min(position, static_cast<int>(amountText.size()));
    }
    void FocusAmount() override {
        if (!amountFocused) {
            amountFocused = true;
            form_->Text1_GotFocus();
        }
    }

    void SetEchoCaption(std::string_view text) override { echo = std::string(text); }
    void SetStatusCaption(std::string_view text) override { status = std::string(text); }
    std::string OutputText() const override { return output; }
    void SetOutputText(std::string_view text) override { output = std::string(text); }
    void SetOutputWidth(Twips width) override { outputWidth = width; }

    Twips OuterWidth() const override { return outerWidth; }
    Twips OuterHeight() const override { return outerHeight; }
    Twips ClientWidth() const override { return outerWidth - kFrameWidth; }
    void SetOuterWidth(Twips width) override { Resize(width, outerHeight); }
    void SetOuterHeight(Twips height) override { Resize(outerWidth, height); }
    void MoveTo(Twips l, Twips t) override {
        left = l;
        top = t;
    }
    Twips ScreenWidth() const override { return kScreenWidth; }
    Twips ScreenHeight() const override { return kScreenHeight; }
    bool IsMinimizedOrMaximized() const override { return minimizedOrMaximized; }
    void EndProgram() override { ended = true; }

    // The user drags the window to a new size.
    void Resize(Twips width, Twips height) {
        if (width == outerWidth && height == outerHeight) {
            return;
        }
        outerWidth = width;
        outerHeight = height;
        ++resizeEvents;
        form_->Form_Resize();
    }

    // The user types one key into the field: the key-press handler first, then the field
    // inserts what the handler left (at the end), within its limit, or deletes for Backspace.
    void Type(char key) {
        std::int16_t code = static_cast<unsigned char>(key);
        form_->Text1_KeyPress(code);
        if (code == 8) {
            if (!amountText.empty()) {
                SetAmountText(amountText.substr(0, amountText.size() - 1));
            }
        } else if (code >= 32 && static_cast<int>(amountText.size()) < maxLength) {
            SetAmountText(amountText + static_cast<char>(code));
        }
    }
    void TypeText(std::string_view keys) {
        for (const char key : keys) {
            Type(key);
        }
    }

    // Control state.
    std::string amountText;
    int maxLength = 15;
    int caret = 0;
    bool amountFocused = false;
    std::string echo;
    std::string status;
    std::string output;
    Twips outputWidth = 9420;
    Twips outerWidth = 7155 + kFrameWidth;
    Twips outerHeight = 1395 + 700;
    Twips left = 0;
    Twips top = 0;
    bool minimizedOrMaximized = false;
    bool ended = false;
    int changeEvents = 0;
    int resizeEvents = 0;

  private:
    Form1* form_ = nullptr;
};

class FakeInformationWindows : public InformationWindows {
  public:
    void ShowAboutModal() override { ++aboutShown; }
    void ShowProducerModal() override { ++producerShown; }
    int aboutShown = 0;
    int producerShown = 0;
};

// A main window with fakes for every service, shown and focused unless asked otherwise.
struct Form1Fixture {
    enum class Start { Shown, NotLoaded };

    explicit Form1Fixture(char decimalSeparator = ',', Start start = Start::Shown)
        : locale(decimalSeparator),
          form(window, {clipboard, locale, dialogs, keyboard, informationWindows}) {
        window.Attach(form);
        if (start == Start::Shown) {
            form.Form_Load();
            form.Form_Resize();  // the first layout when the window is shown
            form.Form_Activate();
            window.FocusAmount();
        }
    }

    FakeForm1Window window;
    platform::FakeClipboard clipboard;
    platform::FakeLocale locale;
    platform::FakeDialogs dialogs;
    platform::FakeKeyboardEvents keyboard;
    FakeInformationWindows informationWindows;
    Form1 form;
};

}  // namespace verbalo::testing
