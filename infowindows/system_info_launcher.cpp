#include "infowindows/system_info_launcher.h"

#include "infowindows/registry_reader.h"

namespace verbalo {
namespace {

constexpr std::string_view kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr std::string_view kToolValue = "PATH";
constexpr std::string_view kToolFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr std::string_view kToolFolderValue = "MSINFO";

}  // namespace

void RegistrySystemInfoLauncher::LaunchSystemInfo() noexcept {
    try {
        const std::optional<std::string> file = LocateTool();
        if (file && Start(*file)) {
            return;
        }
    } catch (...) {
        // Any failure on the way means the same as a tool not found.
    }
    systemInfoNotFound_ = 1;
}

std::optional<std::string> RegistrySystemInfoLauncher::LocateTool() {
    std::string file;
    const auto toolRead = ReadRegistryValue(services_.registry, platform::Registry::kLocalMachine,
                                            kToolKey, kToolValue, file);
    if (!toolRead) {
        return std::nullopt;
    }
    if (*toolRead) {
        // The value names the file itself; whether it exists is the shell's to find out.
        return file;
    }

    std::string folder;
    const auto folderRead = ReadRegistryValue(services_.registry, platform::Registry::kLocalMachine,
                                              kToolFolderKey, kToolFolderValue, folder);
    if (!folderRead || !*folderRead) {
        return std::nullopt;
    }
    std::string candidate = folder + "\\" + std::string(kSystemInfoFileName);
    if (!services_.fileSystem.NormalFileExists(candidate)) {
        return std::nullopt;
    }
    return candidate;
}

bool RegistrySystemInfoLauncher::Start(std::string_view file) {
    if (file.empty()) {
        // A value of another type leaves the text empty: there is nothing to start.
        return false;
    }
    return services_.shell.Execute(owner_(), file, kShellWorkingDirectory,
                                   platform::Shell::kShowNormal) > platform::Shell::kLastError;
}

}  // namespace verbalo
