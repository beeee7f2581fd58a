#include "infowindows/folder_list.h"

#include <utility>

namespace verbalo {

FolderList::FolderList(platform::FileSystem& fileSystem, std::string startFolder)
    : fileSystem_(fileSystem), path_(std::move(startFolder)) {}

bool FolderList::SetPath(std::string_view folder) {
    if (folder == path_) {
        return true;
    }
    auto listed = fileSystem_.Subfolders(folder);
    if (!listed) {
        return false;
    }
    path_ = std::string(folder);
    subfolders_ = std::move(*listed);
    if (changeHandler_) {
        changeHandler_();
    }
    return true;
}

std::span<const platform::FileSystem::Folder> FolderList::Subfolders() const {
    if (!subfolders_) {
        auto listed = fileSystem_.Subfolders(path_);
        subfolders_ = listed ? std::move(*listed) : std::vector<platform::FileSystem::Folder>{};
    }
    return *subfolders_;
}

}  // namespace verbalo
