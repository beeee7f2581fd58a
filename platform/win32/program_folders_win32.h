#pragma once

#include "platform/program_folders.h"

namespace verbalo::platform::win32 {

// The known folders of the shell (SHGetKnownFolderPath), and for a 32-bit program on 64-bit
// Windows the environment's ProgramW6432, since the shell gives a 32-bit program no path to
// the 64-bit Program Files.
class Win32ProgramFolders final : public ProgramFolders {
  public:
    std::vector<std::string> ProgramFilesFolders() override;
};

}  // namespace verbalo::platform::win32
