#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "infowindows/inf_talvo.h"
#include "infowindows/producer_window_access.h"
#include "ui/win32/gdi_objects.h"
#include "ui/win32/modal_session.h"
#include "ui/win32/twips.h"
#include "ui/win32/window_base.h"

namespace verbalo::platform::win32 {

// The producer window InfTalvo on Win32: creates the window and its controls from the layout
// when it is loaded, carries out what InfTalvo asks of them, and forwards each event to
// InfTalvo's handler for it. The object, and InfTalvo in it, live for the whole program; each
// loading makes a new window and runs Form_Load, each unloading destroys it and runs
// Form_Unload. It is loaded by the first opening, or hidden by the launcher's request for its
// handle.
class ProducerWindow : public BaseWindow<ProducerWindow>,
                       public InfTalvoControls,
                       public ProducerWindowHandleSource,
                       public ProducerWindowOpener {
  public:
    // dirHiddenStartFolder: the program's current folder, where the folder list starts.
    ProducerWindow(HINSTANCE instance, InfTalvoServices services, std::string dirHiddenStartFolder);
    ~ProducerWindow() override;
    ProducerWindow(const ProducerWindow&) = delete;
    ProducerWindow& operator=(const ProducerWindow&) = delete;

    // The main window, which owns this window.
    void SetMainWindow(HWND mainWindow) { mainWindow_ = mainWindow; }

    // Creates the window without showing it and runs Form_Load; a loaded window stays as it is.
    // False when the window could not be created.
    bool Load();
    bool IsLoaded() const { return hwnd_ != nullptr; }
    // Loads the window if needed and shows it modally; returns when it has been closed.
    void ShowModal();
    InfTalvo& form() { return form_; }

    // ProducerWindowHandleSource: throws when the window cannot be created.
    platform::WindowHandle HandleLoadingIfNeeded() override;
    // ProducerWindowOpener.
    void ShowProducerWindowModally() override { ShowModal(); }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

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
    void Unload() override;

  private:
    struct Controls;

    void CreateControls();
    void CreateFrame(Controls& c);
    void CreatePicture(Controls& c);
    void CreateLabels(Controls& c);
    void OnCommand(WORD id, WORD notification);
    void OnActivate(bool active);
    void Paint();
    HWND LabelWindow(Label label) const;

    HINSTANCE instance_;
    InfTalvo form_;
    TwipsScale scale_;
    HWND mainWindow_ = nullptr;
    Brush background_;
    Brush pictureBackground_;
    std::unique_ptr<Controls> controls_;  // while loaded
    HWND focus_ = nullptr;                // the control that had the focus when deactivated
    ModalSession* modal_ = nullptr;
};

}  // namespace verbalo::platform::win32
