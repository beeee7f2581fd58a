#pragma once

#include <string>

#include "platform/clipboard.h"

namespace verbalo::platform {

class FakeClipboard : public Clipboard {
  public:
    bool ClearAndSetText(std::string_view text) override {
        ++writes;
        if (held) {
            return false;
        }
        contents = std::string(text);
        return true;
    }

    std::string contents = "(untouched)";
    int writes = 0;
    bool held = false;  // another program holds the clipboard
};

}  // namespace verbalo::platform
