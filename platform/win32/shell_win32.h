#pragma once

#include <optional>

#include "platform/shell.h"
#include "platform/win32/com_apartment.h"

namespace verbalo::platform::win32 {

// ShellExecuteW: the file and the working directory reach the shell as they are, whatever the
// system's ANSI code page lacks (a folder found on disk may be named in any script).
// The first call puts its thread in COM's apartment, before the shell runs, until the object
// goes: make, use and destroy it on the user-interface thread. The shell's DLL is loaded then
// too, so that a program that never opens anything loads neither.
class Win32Shell final : public Shell {
  public:
    std::intptr_t Execute(WindowHandle owner, std::string_view file, std::string_view directory,
                          int showCommand) override;

  private:
    std::optional<ComApartment> com_;
};

}  // namespace verbalo::platform::win32
