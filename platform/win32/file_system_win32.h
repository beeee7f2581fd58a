#pragma once

#include "platform/file_system.h"

namespace verbalo::platform::win32 {

// The file system through the wide find calls, so that any folder name survives, at any length
// (see ExtendedLengthPath).
class Win32FileSystem final : public FileSystem {
  public:
    // A file that is neither a folder, hidden nor a system file; a path with wildcards names no
    // file.
    bool NormalFileExists(std::string_view path) override;

    // Every subfolder, hidden ones included, in the order the file system gives them; "." and
    // ".." left out; junctions and symbolic links (reparse points) marked as links.
    std::optional<std::vector<Folder>> Subfolders(std::string_view folder) override;
};

}  // namespace verbalo::platform::win32
