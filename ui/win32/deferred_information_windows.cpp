#include "ui/win32/deferred_information_windows.h"

namespace verbalo::ui::win32 {

DeferredInformationWindows::DeferredInformationWindows(HINSTANCE instance,
                                                       platform::Dialogs& dialogs)
    : instance_(instance), dialogs_(dialogs), currentFolder_(CurrentFolder()) {}

void DeferredInformationWindows::SetMainWindow(HWND mainWindow) {
    mainWindow_ = mainWindow;
    if (windows_) {
        windows_->SetMainWindow(mainWindow);
    }
}

Win32InformationWindows& DeferredInformationWindows::Windows() {
    if (!windows_) {
        windows_.emplace(instance_, dialogs_, RunningApplication(), currentFolder_);
        if (mainWindow_ != nullptr) {
            windows_->SetMainWindow(mainWindow_);
        }
    }
    return *windows_;
}

}  // namespace verbalo::ui::win32
