#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/types.h"
#include "ui/win32/control_colors.h"
#include "ui/win32/control_layout.h"
#include "ui/win32/modal_session.h"
#include "ui/win32/theme_colours.h"
#include "ui/win32/twips.h"
#include "ui/win32/window_base.h"

namespace verbalo::ui::win32 {

// What a modal window is before it has any control: its class, border and first caption.
struct ModalWindowFrame {
    const wchar_t* className;
    int iconId;                  // the class icon, a resource of the program
    colours::Colour background;  // painted on WM_ERASEBKGND, in the theme in use
    std::string_view caption;    // until the load writes its own
    DWORD exStyle;               // the border: fixed, with a close box and nothing else
    Twips clientWidth;
    Twips clientHeight;
};

// A window of the program shown modally over the main window, which owns it. The object lives
// for the whole program; each loading makes a new window with new controls and runs the load
// hook, each unloading destroys the window and its controls. While the window is deactivated
// it remembers the control that had the focus, and gives the focus back to it when it is
// activated again (at the first activation to the first control). The labels take their
// colours from one table, in the theme in use (painted anew when the theme changes), the
// commands run from another; the close box and Alt+F4 unload the
// window after the close hook. The window opens at the DPI of the main window's monitor, and
// when it is moved to a monitor of another DPI (WM_DPICHANGED) its controls are placed anew
// from their twips and drawn in fonts made for that DPI, and it takes the size Windows suggests.
//
// A window supplies its controls, its commands, its load and close hooks and any message of its
// own.
class ModalWindow : public BaseWindow<ModalWindow> {
  public:
    // What a click on a control runs (a double click on a button is two clicks), or Enter, as
    // IDOK, or Esc, as IDCANCEL.
    struct Command {
        int id;
        std::function<void()> run;
    };

    ModalWindow(const ModalWindow&) = delete;
    ModalWindow& operator=(const ModalWindow&) = delete;

    // The main window: it owns this window.
    void SetMainWindow(HWND mainWindow) { mainWindow_ = mainWindow; }

    // Creates the window without showing it and runs the load hook; a loaded window stays as it
    // is. False when the window could not be created.
    bool Load();
    bool IsLoaded() const { return hwnd_ != nullptr; }
    // Loads the window if needed and shows it modally; returns when it has been closed. When the
    // program ends meanwhile, the window is closed as by its close box.
    void ShowModal();
    // Destroys the window, if loaded, without the close hook.
    void Unload();

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  protected:
    // What exists while the window is loaded; each window's controls derive from it.
    struct LoadedControls {
        virtual ~LoadedControls() = default;
        ControlColors colors;       // of the labels
        ControlLayout layout;       // where the controls stand and their fonts, in twips
        HWND firstFocus = nullptr;  // where the focus goes at the first activation
    };

    // commands: of the window's controls and of Enter and Esc; a key not listed does nothing.
    // display: whether a high-contrast theme is on, and the system's colours.
    ModalWindow(HINSTANCE instance, const ModalWindowFrame& frame, std::vector<Command> commands,
                const platform::DisplaySettings& display);
    // The window, if loaded, goes without calling the window's hooks, which are gone by now.
    virtual ~ModalWindow();

    // Creates the controls in the window, hwnd(), as it is created.
    virtual std::unique_ptr<LoadedControls> CreateControls() = 0;
    virtual void OnLoaded() = 0;
    // Before the window is closed by its close box, Alt+F4 or the program's end.
    virtual void OnClosing() {}
    // Any other message: a result when the window handles it, else nothing.
    virtual std::optional<LRESULT> OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // Which of the buttons has the focus, if any.
    template <class Button>
    static std::optional<Button> FocusedAmong(
        std::initializer_list<std::pair<HWND, Button>> buttons) {
        const HWND focus = GetFocus();
        for (const auto& [button, name] : buttons) {
            if (focus != nullptr && focus == button) {
                return name;
            }
        }
        return std::nullopt;
    }

    HINSTANCE instance() const { return instance_; }
    const ThemeColours& theme() const { return theme_; }
    const TwipsScale& scale() const { return scale_; }
    HWND mainWindow() const { return mainWindow_; }
    // The controls while the window is loaded, else nullptr.
    LoadedControls* loaded() const { return controls_.get(); }

  private:
    void RunCommand(WORD id, WORD notification) const;
    void OnDpiChanged(int dpi, const RECT& suggested);
    void Close();
    void OnActivate(bool active);

    HINSTANCE instance_;
    ModalWindowFrame frame_;
    std::vector<Command> commands_;
    ThemeColours theme_;
    TwipsScale scale_;
    HWND mainWindow_ = nullptr;
    std::unique_ptr<LoadedControls> controls_;  // while loaded
    HWND focus_ = nullptr;                      // the control that had the focus when deactivated
    ModalSession* modal_ = nullptr;
};

// A modal window that is also its portable window's controls, ControlsInterface, whose Unload()
// is the window's.
template <class ControlsInterface>
class ModalWindowFor : public ModalWindow, public ControlsInterface {
  public:
    void Unload() override { ModalWindow::Unload(); }

  protected:
    using ModalWindow::ModalWindow;
};

}  // namespace verbalo::ui::win32
