#pragma once

#include <string>
#include <vector>

#include "platform/program_folders.h"

namespace verbalo::platform {

// Reports the folders it is given; unless told otherwise, C:\Programmi, the Program Files of an
// Italian Windows XP.
class FakeProgramFolders : public ProgramFolders {
  public:
    std::vector<std::string> ProgramFilesFolders() override { return reported; }

    std::vector<std::string> reported{"C:\\Programmi"};
};

}  // namespace verbalo::platform
