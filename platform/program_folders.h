#pragma once

#include <string>
#include <vector>

namespace verbalo::platform {

// Where the system says programs are installed: folders that only an administrator fills.
class ProgramFolders {
  public:
    virtual ~ProgramFolders() = default;

    // The Program Files folders the system reports, UTF-8, in this order: the one of this
    // program's kind (FOLDERID_ProgramFiles), the 32-bit one (FOLDERID_ProgramFilesX86) and,
    // for a 32-bit program on 64-bit Windows, the 64-bit one (ProgramW6432). Each as the
    // system reports it, the same folder more than once included; one it does not report is
    // left out.
    virtual std::vector<std::string> ProgramFilesFolders() = 0;
};

}  // namespace verbalo::platform
