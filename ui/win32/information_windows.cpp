#include "ui/win32/information_windows.h"

#include <stdexcept>
#include <utility>

#include "platform/win32/text_conversion.h"
#include "resources/main_window_texts.h"
#include "resources/version.h"
#include "ui/win32/program_version.h"

namespace verbalo::ui::win32 {

using platform::win32::WideToUtf8;

Win32InformationWindows::Win32InformationWindows(HINSTANCE instance, platform::Dialogs& dialogs,
                                                 ApplicationIdentity application,
                                                 std::string currentFolder)
    : launcher_({registry_, fileSystem_, shell_}, producerHandle_, global_),
      producer_(instance,
                {fileSystem_, programFolders_, shell_, dialogs, messagePump_, launcher_, global_},
                std::move(currentFolder)),
      about_(instance, launcher_, producer_, std::move(application)) {
    producerHandle_.window = &producer_;
}

void Win32InformationWindows::SetMainWindow(HWND mainWindow) {
    producer_.SetMainWindow(mainWindow);
    about_.SetMainWindow(mainWindow);
}

platform::WindowHandle Win32InformationWindows::ProducerHandle::HandleLoadingIfNeeded() {
    if (window == nullptr) {
        throw std::logic_error("no producer window yet");
    }
    return window->HandleLoadingIfNeeded();
}

ApplicationIdentity RunningApplication() {
    const VersionNumbers built{VERBALO_VERSION_MAJOR, VERBALO_VERSION_MINOR,
                               VERBALO_VERSION_REVISION};
    return {std::string(texts::kApplicationTitle), RunningProgramVersion().value_or(built)};
}

std::string CurrentFolder() {
    const DWORD length = GetCurrentDirectoryW(0, nullptr);
    if (length == 0) {
        return {};
    }
    std::wstring folder(length, L'\0');
    const DWORD copied = GetCurrentDirectoryW(length, folder.data());
    folder.resize(copied < length ? copied : 0);
    return WideToUtf8(folder);
}

}  // namespace verbalo::ui::win32
