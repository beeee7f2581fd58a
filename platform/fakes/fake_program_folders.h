#pragma once

#include <string>
#include <vector>

#include "platform/program_folders.h"

namespace verbalo::platform {

// Reports the folders it is given.
class FakeProgramFolders : public ProgramFolders {
  public:
    FakeProgramFolders() = default;
    explicit FakeProgramFolders(std::vector<std::string> reported) : folders(std::move(reported)) {}

    std::vector<std::string> ProgramFilesFolders() override { return folders; }

    std::vector<std::string> folders;
};

}  // namespace verbalo::platform
