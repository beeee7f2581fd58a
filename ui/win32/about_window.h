#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "infowindows/frm_about.h"
#include "platform/win32/display_settings_win32.h"
#include "ui/win32/icon_handle.h"
#include "ui/win32/modal_window.h"

namespace verbalo::ui::win32 {

// The About window frmAbout on Win32: creates its controls from the layout when it is loaded,
// carries out what frmAbout asks of them, and forwards each event to frmAbout's handler for it.
class AboutWindow final : public ModalWindowFor<FrmAboutControls> {
  public:
    AboutWindow(
        HINSTANCE instance, SystemInfoLauncher& launcher, ProducerWindowOpener& producerWindow,
        ApplicationIdentity application,
        const platform::DisplaySettings& display = platform::win32::SystemDisplaySettings());

    frmAbout& form() { return form_; }

    // FrmAboutControls.
    Position MainWindowPosition() const override;
    void MoveTo(Twips left, Twips top) override;
    void SetCaption(std::string_view caption) override;
    void SetLabelText(Label label, std::string_view text) override;

  private:
    struct Controls;

    // ModalWindow.
    std::unique_ptr<LoadedControls> CreateControls() override;
    void OnLoaded() override { form_.Form_Load(); }
    std::optional<LRESULT> OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    Controls* controls() const;
    std::optional<frmAbout::Button> FocusedButton() const;
    bool OnSetCursor(HWND over, WORD hitTest);

    frmAbout form_;
    IconHandle pictureIcon_;  // Picture1's picture
    IconHandle pointer_;      // the pointer over Label1 and lblVersion
};

}  // namespace verbalo::ui::win32
