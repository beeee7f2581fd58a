#pragma once

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace verbalo::platform {

// A folder tree in memory that answers as the Windows file system does: paths match without
// regard to case and to doubled or trailing backslashes, subfolders come in the order they were
// added, and a link leads into its target, so that a link to an ancestor makes an endless tree
// of ever longer paths, as a junction does.
class FakeFileSystem : public FileSystem {
  public:
    // Adds a folder and any missing ancestors; the new name goes last in its parent's list.
    void AddFolder(std::string_view path) {
        const std::string normal = Normalize(path);
        const std::string key = Lower(normal);
        if (folders_.contains(key)) {
            return;
        }
        const auto slash = normal.rfind('\\');
        if (slash != std::string::npos) {
            const std::string parent = normal.substr(0, slash);
            AddFolder(parent);
            folders_[Lower(parent)].children.push_back(normal.substr(slash + 1));
        }
        folders_[key];
    }
    void AddFile(std::string_view path) {
        const std::string normal = Normalize(path);
        AddFolder(normal.substr(0, normal.rfind('\\')));
        files_.insert(Lower(normal));
    }
    // A junction or symbolic link to a folder; reported as a link unless told otherwise.
    void AddLink(std::string_view path, std::string_view target, bool reportedAsLink = true) {
        AddFolder(path);
        const std::string key = Lower(Normalize(path));
        links_[key] = Lower(Normalize(target));
        folders_[key].reportedAsLink = reportedAsLink;
    }
    // A folder that exists but cannot be listed (access denied).
    void MakeUnlistable(std::string_view path) {
        AddFolder(path);
        folders_[Lower(Normalize(path))].listable = false;
    }

    bool NormalFileExists(std::string_view path) override {
        fileLookups.emplace_back(path);
        return files_.contains(Resolve(Lower(Normalize(path))));
    }

    std::optional<std::vector<Folder>> Subfolders(std::string_view path) override {
        listings.emplace_back(path);
        const std::string key = Resolve(Lower(Normalize(path)));
        const auto found = folders_.find(key);
        if (found == folders_.end() || !found->second.listable) {
            return std::nullopt;
        }
        std::vector<Folder> subfolders;
        subfolders.reserve(found->second.children.size());
        for (const std::string& name : found->second.children) {
            const Node& child = folders_.at(key + "\\" + Lower(name));
            const std::string separator = path.ends_with('\\') ? "" : "\\";
            subfolders.push_back({std::string(path) + separator + name, child.reportedAsLink});
        }
        return subfolders;
    }

    std::vector<std::string> fileLookups;  // every path asked about, in order
    std::vector<std::string> listings;     // every folder listed, in order

  private:
    struct Node {
        std::vector<std::string> children;
        bool reportedAsLink = false;
        bool listable = true;
    };

    // Doubled backslashes collapsed, no trailing backslash ("C:\" becomes "C:").
    static std::string Normalize(std::string_view path) {
        std::string normal;
        for (const char c : path) {
            if (c != '\\' || normal.empty() || normal.back() != '\\') {
                normal += c;
            }
        }
        if (normal.ends_with('\\')) {
            normal.pop_back();
        }
        return normal;
    }
    static std::string Lower(std::string text) {
        std::ranges::transform(text, text.begin(),
                               [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return text;
    }
    // Replaces a leading link by its target until no link is left on the way (a link into
    // itself is followed a bounded number of times, as the system gives up on one).
    std::string Resolve(std::string key) const {
        for (int hops = 0; hops < 64; ++hops) {
            const auto link = std::ranges::find_if(links_, [&key](const auto& entry) {
                return key == entry.first || key.starts_with(entry.first + "\\");
            });
            if (link == links_.end()) {
                break;
            }
            key = link->second + key.substr(link->first.size());
        }
        return key;
    }

    std::map<std::string, Node> folders_;
    std::map<std::string, std::string> links_;  // link -> target
    std::set<std::string> files_;
};

}  // namespace verbalo::platform
