#pragma once

#include <string>
#include <string_view>

#include "platform/types.h"

namespace verbalo {

// What the producer window's handlers need of its window and controls. Sizes are in twips.
class InfTalvoControls {
  public:
    using Twips = platform::Twips;

    // The labels the handlers read or change.
    enum class Label { lbIndirizzo, Lb_dati, Lb_cr, lbMail, lbSito };

    struct Size {
        Twips width = 0;
        Twips height = 0;
    };

    virtual ~InfTalvoControls() = default;

    // The window's handle, the owner of what the window hands to the shell.
    virtual platform::WindowHandle Handle() const = 0;

    virtual std::string LabelText(Label label) const = 0;
    virtual void SetLabelText(Label label, std::string_view text) = 0;
    virtual Size LabelSize(Label label) const = 0;
    virtual void SetLabelFontSize(Label label, float points) = 0;
    virtual void SetLabelUnderline(Label label, bool underline) = 0;
    virtual void SetLabelBold(Label label, bool bold) = 0;

    // The window, centred on the screen (ProducerWindowRect); the separator Line1 reaches across
    // its inner width.
    virtual void CentreOnScreen() = 0;
    // Unloads the window: it disappears, and the window object stays for its next loading.
    virtual void Unload() = 0;
};

}  // namespace verbalo
