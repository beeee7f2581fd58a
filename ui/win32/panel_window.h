#pragma once

#include <windows.h>

#include <functional>

#include "ui/win32/window_base.h"

namespace verbalo::ui::win32 {

// A child window that holds controls or a picture: a frame or a picture box. It paints its
// background and border, hands what its controls report (commands, drawing, colours) on to its
// parent, and tells about pointer moves over itself.
class PanelWindow : public BaseWindow<PanelWindow> {
  public:
    enum class Border {
        None,
        Etched,  // a frame's line around the whole panel
        Sunken,  // a picture box's 3-D border
    };
    struct Look {
        std::function<HBRUSH()> background;  // asked at each painting
        Border border = Border::None;
        bool tabStop = false;  // it takes the focus in the tab order, and shows it
    };
    // Pointer moves: the message's wParam and position in pixels relative to the panel.
    using MouseMoveHandler = std::function<void(WPARAM keys, int x, int y)>;
    // Draws the picture; the panel has painted its background already.
    using PaintHandler = std::function<void(HDC dc, const RECT& client)>;

    PanelWindow() = default;
    ~PanelWindow();
    PanelWindow(const PanelWindow&) = delete;
    PanelWindow& operator=(const PanelWindow&) = delete;

    // rect: in the parent's client pixels.
    bool Create(HINSTANCE instance, HWND parent, int id, const RECT& rect, const Look& look);
    void OnMouseMove(MouseMoveHandler handler) { mouseMove_ = std::move(handler); }
    void OnPaint(PaintHandler handler) { paint_ = std::move(handler); }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    void Paint();

    Look look_{};
    MouseMoveHandler mouseMove_;
    PaintHandler paint_;
};

}  // namespace verbalo::ui::win32
