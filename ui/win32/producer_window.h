#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "infowindows/inf_talvo.h"
#include "mainwindow/form1_controls.h"
#include "platform/accessibility.h"
#include "platform/win32/accessibility_win32.h"
#include "platform/win32/display_settings_win32.h"
#include "ui/win32/coloured_button.h"
#include "ui/win32/control_layout.h"
#include "ui/win32/dpi.h"
#include "ui/win32/tab_stop_static.h"
#include "ui/win32/theme_colours.h"
#include "ui/win32/window_base.h"

namespace verbalo::ui::win32 {

// The producer window InfTalvo on Win32: a dialog of the dialog manager (template IDD_PRODUCER)
// that carries out what InfTalvo asks of its controls and hands each event to InfTalvo's handler
// for it. It is loaded by its first opening, or hidden by the launcher's request for its handle,
// and keeps that load when it is shown later; each unloading ends the dialog, never InfTalvo.
// It stands on the primary monitor at that monitor's DPI.
class ProducerWindow final : public DialogBase<ProducerWindow>,
                             public InfTalvoControls,
                             public InformationWindow {
  public:
    // dirHiddenStartFolder: the program's current folder, where the folder list starts.
    // display: whether a high-contrast theme is on, and the system's colours.
    // accessibility: what screen readers are told of the links and the pictures.
    ProducerWindow(
        HINSTANCE instance, InfTalvoServices services, std::string dirHiddenStartFolder,
        const platform::DisplaySettings& display = platform::win32::SystemDisplaySettings(),
        platform::Accessibility& accessibility = platform::win32::SystemAccessibility());
    ~ProducerWindow() override;
    ProducerWindow(const ProducerWindow&) = delete;
    ProducerWindow& operator=(const ProducerWindow&) = delete;

    // The main window, which owns the window.
    void SetMainWindow(HWND mainWindow) { mainWindow_ = mainWindow; }
    InfTalvo& form() { return form_; }

    // Creates the window without showing it, which runs Form_Load; a loaded window stays as it
    // is. False when it could not be created.
    bool Load();
    // Loads the window if needed and shows it modally over the active window; returns when it
    // has been closed. When the program ends meanwhile, it is closed as by its close box.
    void ShowModal() override;
    // The launcher's owner of the tool: the window's handle, loading it hidden if needed.
    // Throws when the window cannot be created.
    platform::WindowHandle HandleLoadingIfNeeded();

    // InfTalvoControls.
    platform::WindowHandle Handle() const override;
    std::string LabelText(Label label) const override;
    void SetLabelText(Label label, std::string_view text) override;
    Size LabelSize(Label label) const override;
    void SetLabelFontSize(Label label, float points) override;
    void SetLabelUnderline(Label label, bool underline) override;
    void SetLabelBold(Label label, bool bold) override;
    void CentreOnScreen() override;
    // Ends the window; the window shown modally gives the input back to the one it was opened
    // over first.
    void Unload() override;

    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // A load that failed ends the window.
    INT_PTR AfterException(UINT message) noexcept;

  private:
    // What exists while the window is loaded.
    struct Loaded {
        ControlLayout layout;
        std::optional<ColouredButton> command1;
        std::optional<ColouredButton> cmdInfoSys;
        std::optional<TabStopStatic> picture;
        std::optional<TabStopStatic> mail;
        std::optional<TabStopStatic> site;
        HWND drawnThumb = nullptr;  // the pictogram's label when it draws the pictogram itself
    };

    void OnInitDialog();
    void OnCommand(WORD id, WORD notification);
    // The button of this window that has the focus, if any.
    std::optional<InfTalvo::Button> FocusedButton() const;
    void OnPointer(UINT message, WPARAM keys, LPARAM position);
    bool OnDrawItem(const DRAWITEMSTRUCT& item) const;
    void PaintLine1() const;
    // The scale the window is laid out at, while it is loaded.
    const TwipsScale& scale() const { return loaded_->layout.scale(); }
    HWND LabelWindow(Label label) const;
    // The label's own font (every label has one), while the window is loaded.
    ControlFont* LabelFont(Label label) const;

    HINSTANCE instance_;
    InfTalvo form_;
    ThemeColours theme_;
    platform::Accessibility& accessibility_;
    HWND mainWindow_ = nullptr;
    HWND opener_ = nullptr;  // while shown modally: the window it was opened over
    std::unique_ptr<Loaded> loaded_;
};

}  // namespace verbalo::ui::win32
