#pragma once

#include <string_view>

namespace verbalo::platform {

// Message boxes: an OK button and the caption "Verbalo", always.
class Dialogs {
  public:
    enum class Icon { None, Warning };

    virtual ~Dialogs() = default;

    // Shows the UTF-8 text and returns when the user has closed the box.
    virtual void ShowMessage(std::string_view text, Icon icon) = 0;
};

}  // namespace verbalo::platform
