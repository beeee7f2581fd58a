#pragma once

#include <string_view>

namespace verbalo::platform {

// The system clipboard, plain text only.
class Clipboard {
  public:
    virtual ~Clipboard() = default;

    // Empties the clipboard, then puts the UTF-8 text on it. False when the clipboard could not
    // be had (another program holds it) or the text could not be placed; never blocks for long.
    virtual bool ClearAndSetText(std::string_view text) = 0;
};

}  // namespace verbalo::platform
