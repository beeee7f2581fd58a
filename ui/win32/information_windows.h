#pragma once

#include <windows.h>

#include <string>

#include "infowindows/global.h"
#include "infowindows/system_info_launcher.h"
#include "mainwindow/form1_controls.h"
#include "platform/dialogs.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/message_pump_win32.h"
#include "platform/win32/program_folders_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/shell_win32.h"
#include "ui/win32/about_window.h"
#include "ui/win32/producer_window.h"

namespace verbalo::ui::win32 {

using platform::win32::Win32FileSystem;
using platform::win32::Win32MessagePump;
using platform::win32::Win32ProgramFolders;
using platform::win32::Win32Registry;
using platform::win32::Win32Shell;

// The two information windows of the program, the About window and the producer window, with
// what they share: the system-information launcher, the flag it reports through, and the
// services they reach the system by. One instance lives for the whole program; the main
// window's menu opens the windows through it.
class Win32InformationWindows final : public InformationWindows {
  public:
    // dialogs: the program's message boxes, which outlive this object. currentFolder: the
    // program's current folder as it started, where the producer window's folder list starts.
    Win32InformationWindows(HINSTANCE instance, platform::Dialogs& dialogs,
                            ApplicationIdentity application, std::string currentFolder);
    Win32InformationWindows(const Win32InformationWindows&) = delete;
    Win32InformationWindows& operator=(const Win32InformationWindows&) = delete;

    // The main window: it owns both windows and places the About window.
    void SetMainWindow(HWND mainWindow);

    void ShowAboutModal() override { about_.ShowModal(); }
    void ShowProducerModal() override { producer_.ShowModal(); }

    AboutWindow& about() { return about_; }
    ProducerWindow& producer() { return producer_; }
    Global& global() { return global_; }

  private:
    // The launcher asks the producer window for its handle; the window needs the launcher:
    // this stands in for the window until it exists.
    class ProducerHandle final : public ProducerWindowHandleSource {
      public:
        platform::WindowHandle HandleLoadingIfNeeded() override;
        ProducerWindow* window = nullptr;
    };

    Global global_;
    Win32Registry registry_;
    Win32Shell shell_;
    Win32FileSystem fileSystem_;
    Win32ProgramFolders programFolders_;
    Win32MessagePump messagePump_;
    ProducerHandle producerHandle_;
    RegistrySystemInfoLauncher launcher_;
    ProducerWindow producer_;
    AboutWindow about_;
};

// The application as the About window describes it: its title, and the version of the running
// program (the version this program was built as, when it carries none).
ApplicationIdentity RunningApplication();

// The program's current folder.
std::string CurrentFolder();

}  // namespace verbalo::ui::win32
