#pragma once

// The base of the fixtures of the information windows' tests: a stand-in main window that owns
// the window, a way to find its controls, and a way to act inside its modal loop.
#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <initializer_list>
#include <memory>
#include <optional>
#include <utility>

#include "info_window_support.h"
#include "ui/win32/dpi.h"

namespace verbalo::platform::win32::test {

using namespace ::verbalo::ui::win32;  // the window adapters under test

// Window: the About window or the producer window.
template <class Window>
class ModalWindowTest : public ::testing::Test {
  protected:
    // window: made before this base, by a base listed before it; mainCorner: where the main
    // window stands at the start of each test.
    ModalWindowTest(Window& window, POINT mainCorner) : window_(window), mainCorner_(mainCorner) {}

    // One main window serves the whole suite.
    static void TearDownTestSuite() { main_.reset(); }
    void SetUp() override {
        if (main_ == nullptr) {
            main_ = std::make_unique<StandInMainWindow>(mainCorner_.x, mainCorner_.y);
        }
        MoveWindow(main_->hwnd(), mainCorner_.x, mainCorner_.y, 480, 160, TRUE);
        SetActiveWindow(main_->hwnd());
        window_.SetMainWindow(main_->hwnd());
    }
    // Closes the window as its close box does.
    void TearDown() override {
        if (window_.IsLoaded()) {
            SendMessageW(window_.hwnd(), WM_CLOSE, 0, 0);
        }
    }

    static HWND MainWindow() { return main_->hwnd(); }

    HWND Control(int id) const { return GetDlgItem(window_.hwnd(), id); }

    // Where a control stands in its container, the window or another control, in the twips of
    // the layout; a side left out is not checked.
    struct Placement {
        int id;
        int in = 0;  // the container, or 0 for the window
        std::optional<Twips> left = std::nullopt;
        std::optional<Twips> top = std::nullopt;
        std::optional<Twips> width = std::nullopt;
        std::optional<Twips> height = std::nullopt;
    };
    void ExpectPlaced(std::initializer_list<Placement> placements) const {
        for (const Placement& expected : placements) {
            const HWND container = expected.in == 0 ? window_.hwnd() : Control(expected.in);
            const RECT rect = RectIn(Control(expected.id), container);
            auto expect = [&](const std::optional<Twips>& side, LONG actual, const char* name) {
                if (side.has_value()) {
                    EXPECT_EQ(actual, scale_.ToPixels(*side))
                        << name << " of control " << expected.id;
                }
            };
            expect(expected.left, rect.left, "left");
            expect(expected.top, rect.top, "top");
            expect(expected.width, rect.right - rect.left, "width");
            expect(expected.height, rect.bottom - rect.top, "height");
        }
    }

    // Shows the window modally and runs the steps inside its modal loop.
    void ShowModalWith(std::deque<ModalScript::Step> steps) {
        ModalScript script(std::move(steps));
        script.rescue = [this] { PostMessageW(window_.hwnd(), WM_CLOSE, 0, 0); };
        window_.ShowModal();
        EXPECT_TRUE(script.finished());
    }

    TwipsScale scale_;

  private:
    static inline std::unique_ptr<StandInMainWindow> main_;
    Window& window_;
    POINT mainCorner_;
};

}  // namespace verbalo::platform::win32::test
