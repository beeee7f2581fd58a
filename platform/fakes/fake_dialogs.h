#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace verbalo::platform {

class FakeDialogs : public Dialogs {
  public:
    struct Shown {
        std::string text;
        Icon icon;
    };

    void ShowMessage(std::string_view text, Icon icon) override {
        shown.push_back({std::string(text), icon});
        if (whileShown) {
            whileShown();
        }
    }

    std::vector<Shown> shown;
    std::function<void()> whileShown;  // runs while the box is "open", e.g. focus changes
};

}  // namespace verbalo::platform
