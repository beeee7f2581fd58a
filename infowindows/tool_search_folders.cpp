#include "infowindows/tool_search_folders.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace verbalo {
namespace {

bool IsFullPath(std::string_view path) {
    const bool fromDriveRoot = path.size() >= 3 &&
                               std::isalpha(static_cast<unsigned char>(path[0])) &&
                               path[1] == ':' && path[2] == '\\';
    const bool fromShare = path.size() > 2 && path.starts_with("\\\\");
    return fromDriveRoot || fromShare;
}

}  // namespace

std::string SameFolderKey(std::string_view path) {
    std::string key(path);
    std::ranges::transform(key, key.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (key.size() > 3 && key.ends_with('\\')) {
        key.pop_back();
    }
    return key;
}

std::vector<std::string> ToolSearchFolders(const std::vector<std::string>& reported) {
    std::vector<std::string> folders;
    std::vector<std::string> keys;
    for (const std::string& path : reported) {
        std::string key = SameFolderKey(path);
        if (IsFullPath(path) && std::ranges::find(keys, key) == keys.end()) {
            folders.push_back(path);
            keys.push_back(std::move(key));
        }
    }
    return folders;
}

}  // namespace verbalo
