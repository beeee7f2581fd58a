#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/shell.h"

namespace verbalo {

// The file name of the Windows system-information tool.
inline constexpr std::string_view kSystemInfoFileName = "MSINFO32.EXE";
// The working directory of everything the information windows hand to the shell.
inline constexpr std::string_view kShellWorkingDirectory = "c:\\";

// Starts the Windows system-information tool, for the buttons of both information windows.
class SystemInfoLauncher {
  public:
    virtual ~SystemInfoLauncher() = default;

    // Starts the tool. Nothing reaches the caller: when the tool was not started, for whatever
    // reason, the flag systemInfoNotFound becomes 1; it is never set to 0 here.
    virtual void LaunchSystemInfo() noexcept = 0;
};

// The services the launcher reaches the system through.
struct LauncherServices {
    platform::Registry& registry;
    platform::FileSystem& fileSystem;
    platform::Shell& shell;
};

// Finds the tool through the registry and starts it through the shell: first the value "PATH"
// of HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO, taken as the file itself; else the folder in
// the value "MSINFO" of HKLM\SOFTWARE\Microsoft\Shared Tools Location, joined with "\" and
// MSINFO32.EXE, when a normal file of that name exists.
class RegistrySystemInfoLauncher final : public SystemInfoLauncher {
  public:
    // The owner of the started program: the producer window's handle, the window loaded hidden
    // first when it is not loaded (which runs its load). It may throw when the window cannot be
    // made.
    using OwnerWindow = std::function<platform::WindowHandle()>;

    // systemInfoNotFound: the program's one flag, which the producer window clears and reads.
    RegistrySystemInfoLauncher(LauncherServices services, OwnerWindow owner,
                               std::int16_t& systemInfoNotFound)
        : services_(services), owner_(std::move(owner)), systemInfoNotFound_(systemInfoNotFound) {}

    void LaunchSystemInfo() noexcept override;

  private:
    // The file to start; no value when the registry does not lead to one.
    std::optional<std::string> LocateTool();
    // True when the shell started the file.
    bool Start(std::string_view file);

    LauncherServices services_;
    OwnerWindow owner_;
    std::int16_t& systemInfoNotFound_;
};

}  // namespace verbalo
