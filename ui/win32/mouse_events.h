#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "ui/win32/twips.h"
#include "ui/win32/window_subclass.h"

namespace verbalo::ui::win32 {

// A mouse event as the windows' handlers take it: the buttons (1 left, 2 right, 4 middle), the
// shift keys (1 Shift, 2 Ctrl, 4 Alt) and the position in twips relative to the control.
struct MouseEvent {
    std::int16_t button = 0;
    std::int16_t shift = 0;
    float x = 0;
    float y = 0;
};

// A pointer move: the buttons held down. keys is the message's wParam, x and y its position.
MouseEvent MouseMoveEvent(WPARAM keys, int x, int y, const TwipsScale& scale);

// The mouse messages of a control, passed to handlers. A message the control gets and has no
// handler for goes no further: the control's own handling ignores it, and its parent never
// sees it.
class ControlMouseEvents {
  public:
    using Handler = std::function<void(const MouseEvent&)>;

    // onDown: any button going down, but the second press of a double click; may be empty.
    // scale: the window's, which may change with its DPI; it outlives this object.
    ControlMouseEvents(HWND control, const TwipsScale& scale, Handler onMove, Handler onDown);

  private:
    bool Handle(UINT message, WPARAM wParam, LPARAM lParam);

    const TwipsScale& scale_;
    Handler onMove_;
    Handler onDown_;
    std::unique_ptr<WindowSubclass> subclass_;
};

}  // namespace verbalo::ui::win32
