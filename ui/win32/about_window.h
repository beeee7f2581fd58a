#pragma once

#include <windows.h>

#include <memory>

#include "infowindows/frm_about.h"
#include "ui/win32/icon_handle.h"
#include "ui/win32/modal_session.h"
#include "ui/win32/twips.h"
#include "ui/win32/window_base.h"

namespace verbalo::platform::win32 {

// The About window frmAbout on Win32: creates the window and its controls from the layout when
// it is loaded, carries out what frmAbout asks of them, and forwards each event to frmAbout's
// handler for it. The object lives for the whole program; each loading makes a new window and
// runs Form_Load again, each unloading destroys it.
class AboutWindow : public BaseWindow<AboutWindow>, public FrmAboutControls {
  public:
    AboutWindow(HINSTANCE instance, SystemInfoLauncher& launcher,
                ProducerWindowOpener& producerWindow, ApplicationIdentity application);
    ~AboutWindow() override;
    AboutWindow(const AboutWindow&) = delete;
    AboutWindow& operator=(const AboutWindow&) = delete;

    // The main window: its position places this window, and it owns this window.
    void SetMainWindow(HWND mainWindow) { mainWindow_ = mainWindow; }

    // Creates the window without showing it and runs Form_Load; a loaded window stays as it is.
    // False when the window could not be created.
    bool Load();
    bool IsLoaded() const { return hwnd_ != nullptr; }
    // Loads the window and shows it modally; returns when it has been closed.
    void ShowModal();
    frmAbout& form() { return form_; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // FrmAboutControls.
    Position MainWindowPosition() const override;
    void MoveTo(Twips left, Twips top) override;
    void SetCaption(std::string_view caption) override;
    void SetLabelText(Label label, std::string_view text) override;
    void Unload() override;

  private:
    struct Controls;

    void CreateControls();
    void OnCommand(WORD id, WORD notification);
    void OnActivate(bool active);
    bool OnSetCursor(HWND over, WORD hitTest);
    HWND LabelWindow(Label label) const;

    HINSTANCE instance_;
    frmAbout form_;
    TwipsScale scale_;
    HWND mainWindow_ = nullptr;
    IconHandle pictureIcon_;              // Picture1's picture
    IconHandle pointer_;                  // the pointer over Label1 and lblVersion
    std::unique_ptr<Controls> controls_;  // while loaded
    HWND focus_ = nullptr;                // the control that had the focus when deactivated
    ModalSession* modal_ = nullptr;
};

}  // namespace verbalo::platform::win32
