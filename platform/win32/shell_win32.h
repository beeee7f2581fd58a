#pragma once

#include "platform/shell.h"

namespace verbalo::platform::win32 {

// ShellExecuteA, with the file and the working directory in the system's ANSI code page.
class Win32Shell final : public Shell {
  public:
    std::intptr_t Execute(WindowHandle owner, std::string_view file, std::string_view directory,
                          int showCommand) override;
};

}  // namespace verbalo::platform::win32
