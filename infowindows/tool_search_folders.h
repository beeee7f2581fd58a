#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace verbalo {

// The folders the producer window searches for the system-information tool, from the Program
// Files folders the system reports (ProgramFolders): in their order, each once. Two paths are
// the same folder when they differ only in letter case or in a trailing backslash. A path that
// is not a full one, from a drive's root ("C:\...") or a share ("\\server\..."), is left out:
// it would lead the search to wherever the program happens to run.
std::vector<std::string> ToolSearchFolders(const std::vector<std::string>& reported);

// What names a folder whatever its spelling: the path in lower case, without a trailing
// backslash ("C:\" keeps its own). Two paths with the same key are one folder.
std::string SameFolderKey(std::string_view path);

}  // namespace verbalo
