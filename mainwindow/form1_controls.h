#pragma once

#include <string>
#include <string_view>

#include "platform/types.h"

namespace verbalo {

class Form1;

// What the main window's handlers need of its window and controls. Implementations behave as
// the real controls do: setting the amount field's text runs Form1::Text1_Change before it
// returns, a change of the outer size runs Form1::Form_Resize before it returns, and moving
// the focus into the amount field runs Form1::Text1_GotFocus (from this program).
class Form1Controls {
  public:
    using Twips = platform::Twips;

    virtual ~Form1Controls() = default;

    // The amount field Text1.
    virtual std::string AmountText() const = 0;
    virtual void SetAmountText(std::string_view text) = 0;
    virtual int AmountMaxLength() const = 0;
    // Puts the caret at a character position; a position past the end puts it after the text.
    virtual void SetAmountCaret(int position) = 0;
    virtual void FocusAmount() = 0;

    // The echo lbFormattato, the status line Label3 and the output box txtLettere.
    virtual void SetEchoCaption(std::string_view text) = 0;
    virtual void SetStatusCaption(std::string_view text) = 0;
    virtual void SetOutputText(std::string_view text) = 0;
    virtual void SetOutputWidth(Twips width) = 0;

    // The window.
    virtual Twips OuterWidth() const = 0;
    virtual Twips OuterHeight() const = 0;
    virtual Twips ClientWidth() const = 0;
    virtual void SetOuterWidth(Twips width) = 0;
    virtual void SetOuterHeight(Twips height) = 0;
    virtual void MoveTo(Twips left, Twips top) = 0;
    virtual Twips ScreenWidth() const = 0;
    virtual Twips ScreenHeight() const = 0;
    // Minimized or maximized: the size rules rest until the window is restored.
    virtual bool IsMinimizedOrMaximized() const = 0;
    // Unloads the main window and ends the program.
    virtual void EndProgram() = 0;
};

// An information window, the About window frmAbout or the producer window InfTalvo, as the
// main window's menu opens it.
class InformationWindow {
  public:
    virtual ~InformationWindow() = default;
    // Shows the window modally; returns when it has been closed.
    virtual void ShowModal() = 0;
};

}  // namespace verbalo
