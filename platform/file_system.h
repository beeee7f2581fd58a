#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace verbalo::platform {

// What the program asks of the file system. Paths are UTF-8, Windows style.
class FileSystem {
  public:
    struct Folder {
        std::string fullPath;
        bool isLink = false;  // a junction or symbolic link: never entered by a search

        friend bool operator==(const Folder&, const Folder&) = default;
    };

    virtual ~FileSystem() = default;

    // Whether a file with normal attributes (not a folder) exists at the path.
    virtual bool NormalFileExists(std::string_view path) = 0;

    // The subfolders of a folder in the platform's order; no value when the folder does not
    // exist or cannot be listed.
    virtual std::optional<std::vector<Folder>> Subfolders(std::string_view folder) = 0;
};

}  // namespace verbalo::platform
