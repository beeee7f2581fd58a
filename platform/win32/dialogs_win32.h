#pragma once

#include "platform/dialogs.h"

namespace verbalo::platform::win32 {

// Message boxes owned by the program's active window, captioned "Verbalo", with an OK button.
class Win32Dialogs : public Dialogs {
  public:
    void ShowMessage(std::string_view text, Icon icon) override;
};

}  // namespace verbalo::platform::win32
