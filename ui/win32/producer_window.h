#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "infowindows/inf_talvo.h"
#include "infowindows/producer_window_access.h"
#include "platform/win32/accessibility_win32.h"
#include "platform/win32/display_settings_win32.h"
#include "ui/win32/gdi_objects.h"
#include "ui/win32/modal_window.h"

namespace verbalo::ui::win32 {

// The producer window InfTalvo on Win32: creates its controls from the layout when it is
// loaded, carries out what InfTalvo asks of them, and forwards each event to InfTalvo's handler
// for it. InfTalvo lives as long as the object; each unloading also runs Form_Unload. It is
// loaded by the first opening, or hidden by the launcher's request for its handle.
class ProducerWindow final : public ModalWindowFor<InfTalvoControls>,
                             public ProducerWindowHandleSource,
                             public ProducerWindowOpener {
  public:
    // dirHiddenStartFolder: the program's current folder, where the folder list starts.
    // display: whether a high-contrast theme is on, and the system's colours.
    // accessibility: what screen readers are told of the links.
    ProducerWindow(
        HINSTANCE instance, InfTalvoServices services, std::string dirHiddenStartFolder,
        const platform::DisplaySettings& display = platform::win32::SystemDisplaySettings(),
        platform::Accessibility& accessibility = platform::win32::SystemAccessibility());

    InfTalvo& form() { return form_; }

    // ProducerWindowHandleSource: throws when the window cannot be created.
    platform::WindowHandle HandleLoadingIfNeeded() override;
    // ProducerWindowOpener.
    void ShowProducerWindowModally() override { ShowModal(); }

    // InfTalvoControls.
    platform::WindowHandle Handle() const override;
    std::string LabelText(Label label) const override;
    void SetLabelText(Label label, std::string_view text) override;
    Size LabelSize(Label label) const override;
    void SetLabelFontSize(Label label, float points) override;
    void SetLabelUnderline(Label label, bool underline) override;
    void SetLabelBold(Label label, bool bold) override;
    void SetLine1X2(Twips x2) override;
    Size OuterSize() const override;
    Twips InnerWidth() const override;
    void SetTop(float top) override;
    void SetLeft(float left) override;
    Size ScreenSize() const override;

  private:
    struct Controls;

    // ModalWindow.
    std::unique_ptr<LoadedControls> CreateControls() override;
    void OnLoaded() override { form_.Form_Load(); }
    void OnClosing() override { form_.Form_Unload(); }
    std::optional<LRESULT> OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    Controls* controls() const;
    std::optional<InfTalvo::Button> FocusedButton() const;
    void CreateFrame(Controls& c);
    void CreatePicture(Controls& c);
    void CreateLabels(Controls& c);
    bool DrawButton(const DRAWITEMSTRUCT& item) const;
    void Paint();
    HWND LabelWindow(Label label) const;

    InfTalvo form_;
    platform::Accessibility& accessibility_;
};

}  // namespace verbalo::ui::win32
