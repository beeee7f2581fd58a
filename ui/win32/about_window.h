#pragma once

#include <windows.h>

#include <memory>

#include "infowindows/system_info_launcher.h"
#include "mainwindow/form1_controls.h"
#include "platform/accessibility.h"
#include "platform/win32/accessibility_win32.h"
#include "platform/win32/display_settings_win32.h"
#include "ui/win32/control_layout.h"
#include "ui/win32/dpi.h"
#include "ui/win32/gdi_objects.h"
#include "ui/win32/tab_stop_static.h"
#include "ui/win32/theme_colours.h"
#include "ui/win32/window_base.h"

namespace verbalo::ui::win32 {

// The About window frmAbout: title, version, description and terms of use; a button that starts
// the system-information tool, OK, and a credit line that opens the producer window. A dialog
// of the dialog manager (template IDD_ABOUT), shown modally over the main window; each opening
// loads it afresh at the DPI of the main window's monitor.
class AboutWindow final : public DialogBase<AboutWindow>, public InformationWindow {
  public:
    // producerWindow: opened by the credit line. display: whether a high-contrast theme is on,
    // and the system's colours. accessibility: what screen readers are told of the picture.
    AboutWindow(HINSTANCE instance, SystemInfoLauncher& launcher, InformationWindow& producerWindow,
                const platform::DisplaySettings& display = platform::win32::SystemDisplaySettings(),
                platform::Accessibility& accessibility = platform::win32::SystemAccessibility());

    // The main window: the owner, and where the window is placed.
    void SetMainWindow(HWND mainWindow) { mainWindow_ = mainWindow; }
    void ShowModal() override;

    void Form_Load();
    void cmdOK_Click();
    // Starts the tool; neither clears nor reads systemInfoNotFound.
    void cmdSysInfo_Click();
    // Shows the producer window modally over this one.
    void Label1_Click();

    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // A load that failed ends the window.
    INT_PTR AfterException(UINT message) noexcept;

  private:
    // What exists while the window is loaded.
    struct Loaded {
        ControlLayout layout;
        std::unique_ptr<TabStopStatic> picture;
        std::unique_ptr<TabStopStatic> credit;
    };

    void OnInitDialog();
    void OnCommand(WORD id, WORD notification);
    bool OnSetCursor(HWND over, WORD hitTest) const;
    void SetText(int id, std::string_view text) const;

    HINSTANCE instance_;
    SystemInfoLauncher& launcher_;
    InformationWindow& producerWindow_;
    ThemeColours theme_;
    platform::Accessibility& accessibility_;
    HWND mainWindow_ = nullptr;
    IconHandle pictureIcon_;  // Picture1's picture, loaded with the window's first loading
    IconHandle pointer_;      // the pointer over Label1 and lblVersion
    std::unique_ptr<Loaded> loaded_;
};

}  // namespace verbalo::ui::win32
