#include "mainwindow/form1.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "keys/send_key.h"
#include "mainwindow/amount_echo.h"
#include "platform/utf16.h"
#include "resources/form1_layout.h"
#include "resources/main_window_texts.h"
#include "wording/compose_wording.h"
#include "wording/letter_case.h"

namespace verbalo {
namespace {

namespace layout = form1_layout;

constexpr std::int16_t kKeyEnter = 13;
constexpr std::int16_t kKeyBackspace = 8;
constexpr std::int16_t kKeyCtrlC = 3;
constexpr std::int16_t kKeyCtrlR = 18;
constexpr std::int16_t kKeyCtrlV = 22;
constexpr std::int16_t kKeyComma = ',';
constexpr std::int16_t kKeyPoint = '.';
constexpr std::int16_t kKeyMinus = '-';

// A caret position past the end of any amount: the caret goes after the last character.
constexpr int kCaretAtEnd = 20;

bool IsBlank(std::string_view text) {
    return std::ranges::all_of(text, [](char c) { return c == ' '; });
}

}  // namespace

Form1::Form1(Form1Controls& controls, Form1Services services)
    : controls_(controls), services_(services), windowHeight_(layout::kCollapsedHeight) {}

void Form1::Form_Load() {
    const platform::Twips top = (controls_.ScreenHeight() - controls_.OuterHeight()) / 2;
    const platform::Twips left = (controls_.ScreenWidth() - controls_.OuterWidth()) / 2;
    controls_.MoveTo(left, top);
    ClearOutputs();
    caseStyle_ = 1;
    FillWordTables(words_);
}

void Form1::Form_Activate(OtherWindow from) {
    if (activatedBefore_ && from == OtherWindow::AnotherApplication) {
        return;
    }
    activatedBefore_ = true;
    described_ = Flag::False;
}

void Form1::Form_Resize() {
    if (controls_.IsMinimizedOrMaximized()) {
        return;  // the size rules hold for the normal state only
    }
    if (controls_.OuterWidth() < layout::kMinimumOuterWidth) {
        // The nested resize that this raises lays out the output box.
        controls_.SetOuterWidth(layout::kMinimumOuterWidth);
    } else {
        controls_.SetOutputWidth(controls_.ClientWidth() - 2 * layout::kOutputMargin);
    }
    controls_.SetOuterHeight(windowHeight_);
}

void Form1::ClearOutputs() {
    output_.clear();
    controls_.SetOutputText(output_);
    controls_.SetStatusCaption("");
    statusShowsCopyFailure_ = false;
    windowHeight_ = layout::kCollapsedHeight;
}

void Form1::Text1_KeyPress(std::int16_t& keyAscii) {
    if (keyAscii == kKeyEnter) {
        DescribeAmount();
        return;
    }
    keyAscii = FilterAmountKey(keyAscii);
    ClearOutputs();
    Form_Resize();
    TabWhenFull(keyAscii);
}

char Form1::DecimalSeparator() const {
    return services_.locale.DecimalSeparator() == '.' ? '.' : ',';
}

std::int16_t Form1::FilterAmountKey(std::int16_t& keyAscii) const {
    const std::int16_t separator = DecimalSeparator();
    if (separator == kKeyPoint && keyAscii == kKeyComma) {
        keyAscii = kKeyPoint;
    } else if (separator == kKeyComma && keyAscii == kKeyPoint) {
        keyAscii = kKeyComma;
    }
    const bool passes = keyAscii == kKeyMinus || keyAscii == separator || keyAscii == kKeyCtrlC ||
                        keyAscii == kKeyCtrlR || keyAscii == kKeyCtrlV ||
                        keyAscii == kKeyBackspace || (keyAscii >= '0' && keyAscii <= '9');
    if (!passes) {
        keyAscii = 0;
    }
    return keyAscii;
}

void Form1::TabWhenFull(std::int16_t keyAscii) {
    int limit = static_cast<std::int16_t>(controls_.AmountMaxLength());
    if (limit == 1) {
        limit = 2;
    }
    if (keyAscii == kKeyBackspace || keyAscii == kKeyCtrlC) {
        return;
    }
    if (platform::Utf16Length(controls_.AmountText()) == limit - 1) {
        std::string keyText = "{TAB}";
        std::int16_t modifier = 0;
        (void)SendKey(keyText, modifier, services_.keyboard);  // failures are not reported
    }
}

void Form1::Text1_Change() {
    ClearOutputs();
    amountValue_ = LeadingNumber(controls_.AmountText());
    if (std::floor(amountValue_) > static_cast<double>(kMaxIntegerPart)) {
        // Cutting the last character changes the text again: this handler runs nested for the
        // shorter text before this run goes on.
        // One whole character goes: the field holds characters, not bytes.
        const std::string text = controls_.AmountText();
        controls_.SetAmountText(platform::WithoutLastCharacter(text));
        controls_.SetAmountCaret(kCaretAtEnd);
    }
    const std::string echo = FormatAmount(controls_.AmountText());
    controls_.SetEchoCaption(echo);
    if (platform::Utf16Length(echo) == controls_.AmountMaxLength()) {
        DescribeAmount();
    }
}

std::string Form1::FormatAmount(std::string_view text) const {
    return verbalo::FormatAmount(text, DecimalSeparator());
}

void Form1::Text1_GotFocus(OtherWindow from) {
    if (amountFocusedBefore_ && from == OtherWindow::AnotherApplication) {
        return;
    }
    amountFocusedBefore_ = true;
    described_ = Flag::False;
}

void Form1::Text1_LostFocus(OtherWindow to) {
    if (to == OtherWindow::ThisProgram && described_ == Flag::False) {
        DescribeAmount();
    }
}

void Form1::DescribeAmount() {
    const std::string text = controls_.AmountText();
    if (IsBlank(text)) {
        return;
    }
    const auto composed = ComposeWording(words_, text, DecimalSeparator());
    if (!composed) {
        // Nothing is stored or shown; the focus going to the message box words nothing.
        described_ = Flag::True;
        services_.dialogs.ShowMessage(ErrorMessage(composed.error()),
                                      platform::Dialogs::Icon::Warning);
        return;
    }
    amountValue_ = composed->amountValue;
    wording_ = composed->wording;
    described_ = Flag::True;
    ShowCopyOutcome(ShowAndCopy(caseStyle_));
    windowHeight_ = layout::kExpandedHeight;
    Form_Resize();
    controls_.FocusAmount();
    controls_.SetAmountCaret(kCaretAtEnd);
}

bool Form1::ShowAndCopy(std::int16_t style) {
    caseStyle_ = style;
    if (auto styled = ApplyCaseStyle(wording_, style)) {
        output_ = std::move(*styled);
        controls_.SetOutputText(output_);
    }
    return services_.clipboard.ClearAndSetText(output_);
}

void Form1::Mu_Case_Click(std::int16_t index) {
    if (!ApplyCaseStyle(wording_, index)) {
        return;  // no entry of the menu has this index: nothing changes
    }
    const bool copied = ShowAndCopy(index);
    // A failure is always reported; a success only replaces a failure still showing.
    if (!copied || statusShowsCopyFailure_) {
        ShowCopyOutcome(copied);
    }
}

void Form1::ShowCopyOutcome(bool copied) {
    controls_.SetStatusCaption(copied ? texts::kCopied : texts::kCopyFailed);
    statusShowsCopyFailure_ = !copied;
}

void Form1::Mu_end_Click() {
    described_ = Flag::True;
    controls_.EndProgram();
}

void Form1::Mu_progr_Click() {
    described_ = Flag::True;
    services_.frmAbout.ShowModal();
}

std::expected<OleDate, EasterError> Form1::PasquaGregoriana(const double& Anno) const {
    return verbalo::PasquaGregoriana(Anno, services_.dialogs);
}

void Form1::Mu_Talvo_Click() {
    described_ = Flag::True;
    services_.InfTalvo.ShowModal();
}

}  // namespace verbalo
