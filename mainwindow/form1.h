#pragma once

#include <cstdint>
#include <string>

#include "easter/easter_date.h"
#include "mainwindow/form1_controls.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/keyboard_events.h"
#include "platform/locale.h"
#include "wording/word_tables.h"

namespace verbalo {

// A 16-bit Boolean as the window stores it: true is -1.
enum class Flag : std::int16_t { False = 0, True = -1 };

// Where the focus or the activation came from, or goes to: another window of this program, or
// one of another application (or none at all).
enum class OtherWindow { ThisProgram, AnotherApplication };

// The operating-system services the main window uses.
struct Form1Services {
    platform::Clipboard& clipboard;
    platform::Locale& locale;
    platform::Dialogs& dialogs;
    platform::KeyboardEvents& keyboard;
    InformationWindow& frmAbout;
    InformationWindow& InfTalvo;
};

// The main window: its fields and its event handlers, named after the control and the event.
// All decisions live here; the window adapter only forwards events and carries out requests.
class Form1 {
  public:
    Form1(Form1Controls& controls, Form1Services services);

    // Window events.
    void Form_Load();
    // The first activation counts wherever it comes from; later ones only from this program.
    void Form_Activate(OtherWindow from);
    void Form_Resize();

    // The amount field.
    void Text1_KeyPress(std::int16_t& keyAscii);
    void Text1_Change();
    // The field's first focus counts wherever it comes from, later ones only from this program;
    // only a loss to this program counts. Coming back from or leaving for another application
    // is no focus event of the field.
    void Text1_GotFocus(OtherWindow from);
    void Text1_LostFocus(OtherWindow to);

    // The menu.
    void Mu_end_Click();
    // Shows and copies the last wording in the style of the entry `index` (0 to 2); an index
    // that names no entry changes nothing.
    void Mu_Case_Click(std::int16_t index);
    void Mu_progr_Click();
    void Mu_Talvo_Click();

    // The Gregorian Easter Sunday of a year; needs nothing of the window.
    std::expected<OleDate, EasterError> PasquaGregoriana(const double& Anno) const;

    // Fields, for the window adapter and the tests.
    const WordTables& wordTables() const { return words_; }
    const std::string& wording() const { return wording_; }
    std::int16_t windowHeight() const { return windowHeight_; }
    double amountValue() const { return amountValue_; }
    std::int16_t caseStyle() const { return caseStyle_; }
    Flag described() const { return described_; }

  private:
    void ClearOutputs();
    void DescribeAmount();
    std::int16_t FilterAmountKey(std::int16_t& keyAscii) const;
    void TabWhenFull(std::int16_t keyAscii);
    std::string FormatAmount(std::string_view text) const;
    // The decimal separator by the window's rule: "." when the system writes one half as
    // "0.5", otherwise ",".
    char DecimalSeparator() const;
    // Shows the wording in a style and copies what the output box shows; false when the copy
    // failed.
    bool ShowAndCopy(std::int16_t style);
    // The status line after a copy: done, or failed.
    void ShowCopyOutcome(bool copied);

    Form1Controls& controls_;
    Form1Services services_;

    WordTables words_;  // unitWords and tensWords
    std::string wording_;
    std::int16_t windowHeight_;
    double amountValue_ = 0.0;
    std::int16_t caseStyle_ = 1;
    Flag described_ = Flag::False;
    bool statusShowsCopyFailure_ = false;
    std::string output_;  // what the output box shows
    bool activatedBefore_ = false;
    bool amountFocusedBefore_ = false;
};

}  // namespace verbalo
