#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "ui/win32/window_subclass.h"

namespace verbalo::ui::win32 {

// A static control that its dialog's template makes a tab stop (a label that is a link, a
// picture): it draws the focus rectangle around itself while it has the focus, unless the
// keyboard cues are hidden. Given an action it is a link: Enter and Space, which the dialog keys
// then hand to it, run the action as a click does.
class TabStopStatic {
  public:
    explicit TabStopStatic(HWND control, std::function<void()> open = {});

  private:
    bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool Opens(WPARAM key) const { return open_ && (key == VK_RETURN || key == VK_SPACE); }
    void PaintWithFocus(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    HWND control_;
    std::function<void()> open_;
    std::unique_ptr<WindowSubclass> subclass_;
};

}  // namespace verbalo::ui::win32
