#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "mainwindow/form1_controls.h"
#include "platform/dialogs.h"
#include "ui/win32/information_windows.h"

namespace verbalo::ui::win32 {

// The information windows as the main window's menu opens them, made at the first opening:
// their icons and brushes and the program's version are nothing the main window's first paint
// needs. The program's current folder, where the producer window's folder list starts, is taken
// at once. Lives, like the windows, until the program ends.
class DeferredInformationWindows final : public InformationWindows {
  public:
    // dialogs: the program's message boxes, which outlive this object.
    DeferredInformationWindows(HINSTANCE instance, platform::Dialogs& dialogs);
    DeferredInformationWindows(const DeferredInformationWindows&) = delete;
    DeferredInformationWindows& operator=(const DeferredInformationWindows&) = delete;

    // The main window, which owns both windows and places the About window.
    void SetMainWindow(HWND mainWindow);

    void ShowAboutModal() override { Windows().ShowAboutModal(); }
    void ShowProducerModal() override { Windows().ShowProducerModal(); }

  private:
    Win32InformationWindows& Windows();

    HINSTANCE instance_;
    platform::Dialogs& dialogs_;
    std::string currentFolder_;
    HWND mainWindow_ = nullptr;
    std::optional<Win32InformationWindows> windows_;
};

}  // namespace verbalo::ui::win32
