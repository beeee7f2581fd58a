#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace verbalo {

// A directory list that is never shown: a current folder and the subfolders it holds, read
// when the folder is set. Setting a different folder runs the change handler to its end before
// the setter returns; setting the folder it already shows does nothing.
class FolderList {
  public:
    using ChangeHandler = std::function<void()>;

    // Starts at startFolder, without running the change handler; listed when first asked.
    FolderList(platform::FileSystem& fileSystem, std::string startFolder);

    void SetChangeHandler(ChangeHandler handler) { changeHandler_ = std::move(handler); }

    const std::string& Path() const { return path_; }

    // Moves to folder and lists it, then runs the change handler. A folder that is already the
    // current one (same text) changes nothing; a folder that does not exist or cannot be listed
    // leaves the list as it was and returns false.
    bool SetPath(std::string_view folder);

    // Lists the current folder again when next asked; when it cannot be listed any more, the
    // list is empty.
    void Refresh() { subfolders_.reset(); }

    // The subfolders of the current folder, with full paths, in the platform's order.
    std::span<const platform::FileSystem::Folder> Subfolders() const;

  private:
    platform::FileSystem& fileSystem_;
    std::string path_;
    mutable std::optional<std::vector<platform::FileSystem::Folder>> subfolders_;
    ChangeHandler changeHandler_;
};

}  // namespace verbalo
