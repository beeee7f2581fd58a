#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "ui/win32/window_subclass.h"

namespace verbalo::ui::win32 {

// A label that acts as a link from the keyboard as well as by the mouse: a tab stop that shows
// the focus rectangle while it has the focus (unless the keyboard cues are hidden), and opens
// with Enter or Space as a click does. The dialog keys hand it both keys.
class KeyboardLink {
  public:
    KeyboardLink(HWND label, std::function<void()> open);

  private:
    bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void PaintWithFocus(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    HWND label_;
    std::function<void()> open_;
    std::unique_ptr<WindowSubclass> subclass_;
};

// Whether the window shows the focus rectangle, by its keyboard-cue state (WM_QUERYUISTATE).
bool ShowsFocusCue(HWND window);

}  // namespace verbalo::ui::win32
