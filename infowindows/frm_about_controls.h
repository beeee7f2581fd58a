#pragma once

#include <string_view>

#include "platform/types.h"

namespace verbalo {

// What the About window's handlers need of its window, its controls and its surroundings.
class FrmAboutControls {
  public:
    using Twips = platform::Twips;

    // The labels the load step fills.
    enum class Label { lblTitle, lblVersion, lblDescription, Lb_cr };

    struct Position {
        Twips left = 0;
        Twips top = 0;
    };

    virtual ~FrmAboutControls() = default;

    // The main window Form1's top-left corner on the screen.
    virtual Position MainWindowPosition() const = 0;

    // Moves the window's top-left corner; its size stays.
    virtual void MoveTo(Twips left, Twips top) = 0;
    virtual void SetCaption(std::string_view caption) = 0;
    virtual void SetLabelText(Label label, std::string_view text) = 0;
    // Unloads the window: it disappears, and the window object stays for its next opening.
    virtual void Unload() = 0;
};

}  // namespace verbalo
