#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/shell.h"

namespace verbalo::platform {

// Records what the program hands to the shell; answers with a chosen result.
class FakeShell : public Shell {
  public:
    struct Call {
        WindowHandle owner;
        std::string file;
        std::string directory;
        int showCommand;

        friend bool operator==(const Call&, const Call&) = default;
    };

    std::intptr_t Execute(WindowHandle owner, std::string_view file, std::string_view directory,
                          int showCommand) override {
        calls.push_back({owner, std::string(file), std::string(directory), showCommand});
        if (onExecute) {
            onExecute();
        }
        return result;
    }

    std::vector<Call> calls;
    std::intptr_t result = 42;  // above 32: started
    std::function<void()> onExecute;
};

}  // namespace verbalo::platform
