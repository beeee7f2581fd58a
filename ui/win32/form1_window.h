#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "mainwindow/form1.h"
#include "platform/win32/accessibility_win32.h"
#include "platform/win32/display_settings_win32.h"
#include "ui/win32/control_layout.h"
#include "ui/win32/dpi.h"
#include "ui/win32/gdi_objects.h"
#include "ui/win32/theme_colours.h"
#include "ui/win32/window_base.h"
#include "ui/win32/window_subclass.h"

namespace verbalo::ui::win32 {

// The main window on Win32: creates the window and its controls from the layout, carries out
// what Form1 asks of them, and forwards every event to Form1's handler for it.
class Form1Window : public BaseWindow<Form1Window>, public Form1Controls {
  public:
    // display: whether a high-contrast theme is on, and the system's colours; accessibility:
    // what screen readers are told of the status line.
    Form1Window(HINSTANCE instance, Form1Services services,
                const platform::DisplaySettings& display = platform::win32::SystemDisplaySettings(),
                platform::Accessibility& accessibility = platform::win32::SystemAccessibility());
    ~Form1Window() override;
    Form1Window(const Form1Window&) = delete;
    Form1Window& operator=(const Form1Window&) = delete;

    // Creates the window (running Form_Load) and shows it; false when it could not be created.
    bool Create(int showCommand);
    Form1& form() { return form_; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // What a message is owed when its handler threw; WM_DESTROY still ends the message loop.
    LRESULT AfterException(UINT message) noexcept;

    // Form1Controls.
    std::string AmountText() const override;
    void SetAmountText(std::string_view text) override;
    int AmountMaxLength() const override;
    void SetAmountCaret(int position) override;
    void FocusAmount() override;
    void SetEchoCaption(std::string_view text) override;
    void SetStatusCaption(std::string_view text) override;
    void SetOutputText(std::string_view text) override;
    void SetOutputWidth(Twips width) override;
    Twips OuterWidth() const override;
    Twips OuterHeight() const override;
    Twips ClientWidth() const override;
    void SetOuterWidth(Twips width) override;
    void SetOuterHeight(Twips height) override;
    void MoveTo(Twips left, Twips top) override;
    Twips ScreenWidth() const override;
    Twips ScreenHeight() const override;
    bool IsMinimizedOrMaximized() const override;
    void EndProgram() override;

  private:
    void CreateControls();
    void FitAmountFieldFont();
    void OnDpiChanged(int dpi, const RECT& suggested);
    platform::ScreenRect DesignRect(int left, int top, int dpi) const;
    bool HandleAmountFieldMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void OnCommand(WORD id, WORD notification);
    void OnAmountFieldChange();
    void PostFocusEvent(UINT event, OtherWindow other);
    void EndMessageLoop() noexcept;
    RECT OuterRect() const;

    HINSTANCE instance_;
    Form1 form_;
    TwipsScale scale_;
    ControlLayout layout_;  // where the controls stand in twips, their fonts and colours
    Font amountFieldFont_;  // where the layout's font is too wide for the field
    ThemeColours theme_;
    platform::Accessibility& accessibility_;
    HWND text1_ = nullptr;
    HWND lbFormattato_ = nullptr;
    HWND txtLettere_ = nullptr;
    HWND label3_ = nullptr;
    std::unique_ptr<WindowSubclass> amountFieldSubclass_;
    std::unique_ptr<WindowSubclass> outputBoxSubclass_;  // keeps presses out of the output box
    bool loaded_ = false;
    std::wstring reportedAmountText_;  // the amount field's text at its last change
    int pendingFocusEvents_ = 0;       // posted, not yet run
};

}  // namespace verbalo::ui::win32
