#pragma once

#include "platform/shell.h"

namespace verbalo::platform::win32 {

// ShellExecuteW: the file and the working directory reach the shell as they are, whatever the
// system's ANSI code page lacks (a folder found on disk may be named in any script).
class Win32Shell final : public Shell {
  public:
    std::intptr_t Execute(WindowHandle owner, std::string_view file, std::string_view directory,
                          int showCommand) override;
};

}  // namespace verbalo::platform::win32
