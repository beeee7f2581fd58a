#pragma once

#include <cstdint>
#include <string_view>

#include "platform/types.h"

namespace verbalo::platform {

// Opening files and links with the program the system associates with them.
class Shell {
  public:
    static constexpr int kShowNormal = 1;            // SW_SHOWNORMAL
    static constexpr std::intptr_t kLastError = 32;  // results up to this value are failures

    virtual ~Shell() = default;

    // ShellExecute with the default verb and no parameters. file and directory are UTF-8.
    // Returns the shell's result: above 32 means success.
    virtual std::intptr_t Execute(WindowHandle owner, std::string_view file,
                                  std::string_view directory, int showCommand) = 0;
};

}  // namespace verbalo::platform
