#pragma once

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "mainwindow/form1.h"
#include "platform/fakes/fake_clipboard.h"
#include "platform/fakes/fake_dialogs.h"
#include "platform/fakes/fake_keyboard_events.h"
#include "platform/fakes/fake_locale.h"
#include "platform/utf16.h"

namespace verbalo::testing {

// The main window's controls as the real ones behave. Text is stored as a Win32 control stores
// it (UTF-16: ill-formed UTF-8 comes back as U+FFFD), lengths and the caret count UTF-16 units.
// A change of the amount field's text runs Text1_Change before returning, and only a change
// does: setting the same text again, or typing into a full field, runs nothing. A size change
// runs Form_Resize. Focus follows the window adapter: the field getting the focus runs
// Text1_GotFocus at once, the field losing it queues Text1_LostFocus until the pending events
// run, and a later GotFocus queues behind it; each tells where the focus came from or went.
// Change handlers nested without end stop the program with a message.
class FakeForm1Window : public Form1Controls {
  public:
    static constexpr Twips kFrameWidth = 240;     // outer width - client width
    static constexpr Twips kScreenWidth = 19200;  // 1280 pixels at 15 twips each
    static constexpr Twips kScreenHeight = 12000;
    static constexpr int kMaxChangeNesting = 32;

    void Attach(Form1& form) { form_ = &form; }

    std::string AmountText() const override { return amountText; }
    void SetAmountText(std::string_view text) override {
        ReplaceAmountText(platform::AsStoredByControl(text), 0);
    }
    int AmountMaxLength() const override { return maxLength; }
    void SetAmountCaret(int position) override {
        caret = std::clamp(position, 0, platform::Utf16Length(amountText));
    }
    void FocusAmount() override { GiveAmountFocus(OtherWindow::ThisProgram); }

    void SetEchoCaption(std::string_view text) override {
        echo = platform::AsStoredByControl(text);
    }
    void SetStatusCaption(std::string_view text) override {
        status = platform::AsStoredByControl(text);
    }
    void SetOutputText(std::string_view text) override {
        output = platform::AsStoredByControl(text);
    }
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

    // The user types one key into the field: the key-press handler first, then the field acts
    // on what the handler left: Backspace deletes before the caret, Ctrl+V pastes the system
    // clipboard's text, a character is inserted at the caret within the limit; nothing else.
    void Type(char key) {
        std::int16_t code = static_cast<unsigned char>(key);
        form_->Text1_KeyPress(code);
        if (code == 8) {
            DeleteBeforeCaret();
        } else if (code == 22) {
            Insert(platform::AsStoredByControl(systemClipboard));
        } else if (code >= 32) {
            Insert(std::string(1, static_cast<char>(code)));
        }
    }
    void TypeText(std::string_view keys) {
        for (const char key : keys) {
            Type(key);
        }
    }
    // Ctrl+V with this text on the system clipboard.
    void Paste(std::string_view text) {
        systemClipboard = std::string(text);
        Type(22);
    }

    // The field reports a change with its text as it was (a key into a full field, select-all):
    // the window adapter reports only real changes.
    void NotifyUnchangedText() { ReplaceAmountText(amountText, caret); }

    // The focus moves to another window of the program (a message box, a modal window).
    void MoveFocusToOwnWindow() { TakeAmountFocus(OtherWindow::ThisProgram); }
    // The focus leaves for another application.
    void MoveFocusToOtherApplication() { TakeAmountFocus(OtherWindow::AnotherApplication); }
    // The user comes back from another application: the window is activated and the field gets
    // the focus, both from there.
    void ReturnFromOtherApplication() {
        if (amountFocused) {
            return;
        }
        form_->Form_Activate(OtherWindow::AnotherApplication);
        GiveAmountFocus(OtherWindow::AnotherApplication);
    }
    // The message loop runs what was posted.
    void ProcessPendingEvents() {
        while (!pendingFocusEvents.empty()) {
            auto event = std::move(pendingFocusEvents.front());
            pendingFocusEvents.pop_front();
            event();
        }
    }

    // Control state.
    std::string amountText;
    int maxLength = 15;
    int caret = 0;  // in UTF-16 units
    bool amountFocused = false;
    std::string systemClipboard;  // what Ctrl+V pastes
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
    int changeNesting = 0;
    int deepestChangeNesting = 0;
    std::deque<std::function<void()>> pendingFocusEvents;

  private:
    void GiveAmountFocus(OtherWindow from) {
        if (amountFocused) {
            return;
        }
        amountFocused = true;
        if (pendingFocusEvents.empty()) {
            form_->Text1_GotFocus(from);
        } else {
            pendingFocusEvents.push_back([this, from] { form_->Text1_GotFocus(from); });
        }
    }
    void TakeAmountFocus(OtherWindow to) {
        if (amountFocused) {
            amountFocused = false;
            pendingFocusEvents.push_back([this, to] { form_->Text1_LostFocus(to); });
        }
    }

    // The text before and from a position in UTF-16 units.
    std::pair<std::string, std::string> SplitAt(int position) const {
        const std::u16string wide = platform::Utf8ToUtf16(amountText);
        const auto at =
            static_cast<std::size_t>(std::clamp(position, 0, static_cast<int>(wide.size())));
        return {platform::Utf16ToUtf8(wide.substr(0, at)), platform::Utf16ToUtf8(wide.substr(at))};
    }

    void Insert(const std::string& stored) {
        const std::u16string wide = platform::Utf8ToUtf16(stored);
        const int room = maxLength - platform::Utf16Length(amountText);
        const auto fits =
            static_cast<std::size_t>(std::clamp(room, 0, static_cast<int>(wide.size())));
        if (fits == 0) {
            return;  // a full field takes nothing: no change
        }
        const auto [before, after] = SplitAt(caret);
        const std::string inserted = platform::Utf16ToUtf8(wide.substr(0, fits));
        ReplaceAmountText(before + inserted + after, caret + static_cast<int>(fits));
    }

    void DeleteBeforeCaret() {
        if (caret == 0) {
            return;
        }
        const auto [before, after] = SplitAt(caret);
        const std::string_view kept = platform::WithoutLastCharacter(before);
        ReplaceAmountText(std::string(kept) + after, platform::Utf16Length(kept));
    }

    void ReplaceAmountText(std::string stored, int newCaret) {
        if (stored == amountText) {
            return;  // no change of the text, no change event
        }
        amountText = std::move(stored);
        caret = newCaret;
        ++changeEvents;
        ++changeNesting;
        deepestChangeNesting = std::max(deepestChangeNesting, changeNesting);
        if (changeNesting > kMaxChangeNesting) {
            std::fprintf(stderr, "change handlers nest without end at \"%s\"\n",
                         amountText.c_str());
            std::abort();
        }
        form_->Text1_Change();
        --changeNesting;
    }

    Form1* form_ = nullptr;
};

class FakeInformationWindow : public InformationWindow {
  public:
    void ShowModal() override { ++shown; }
    int shown = 0;
};

// A main window with fakes for every service, shown and focused unless asked otherwise.
struct Form1Fixture {
    enum class Start { Shown, NotLoaded };

    explicit Form1Fixture(char decimalSeparator = ',', Start start = Start::Shown)
        : locale(decimalSeparator),
          form(window, {clipboard, locale, dialogs, keyboard, aboutWindow, producerWindow}) {
        window.Attach(form);
        if (start == Start::Shown) {
            form.Form_Load();
            form.Form_Resize();  // the first layout when the window is shown
            form.Form_Activate(OtherWindow::AnotherApplication);  // started from the shell
            window.FocusAmount();
        }
    }

    FakeForm1Window window;
    platform::FakeClipboard clipboard;
    platform::FakeLocale locale;
    platform::FakeDialogs dialogs;
    platform::FakeKeyboardEvents keyboard;
    FakeInformationWindow aboutWindow;
    FakeInformationWindow producerWindow;
    Form1 form;
};

}  // namespace verbalo::testing
