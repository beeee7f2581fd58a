// What a window procedure owes a message whose handler threw, and how subclasses stay in a
// control's chain: checked on real windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/fakes/fake_clipboard.h"
#include "platform/fakes/fake_dialogs.h"
#include "platform/fakes/fake_keyboard_events.h"
#include "resources/resource_ids.h"
#include "ui/win32/form1_window.h"
#include "ui/win32/window_base.h"
#include "ui/win32/window_subclass.h"

namespace verbalo::platform::win32 {

using namespace ::verbalo::ui::win32;  // the window adapters under test
namespace {

// A top-level window whose handler throws on one message and handles the rest by default.
class ThrowingWindow : public BaseWindow<ThrowingWindow> {
  public:
    explicit ThrowingWindow(UINT throwOn) : throwOn_(throwOn) {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &ThrowingWindow::WindowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"VerbaloThrowingWindow";
        RegisterClassW(&windowClass);  // fails harmlessly when it is registered already
    }
    ~ThrowingWindow() {
        if (hwnd_ != nullptr) {
            throwOn_ = 0;
            DestroyWindow(hwnd_);
        }
    }
    HWND Create() {
        return CreateWindowExW(0, L"VerbaloThrowingWindow", L"", WS_POPUP, 0, 0, 50, 50, nullptr,
                               nullptr, GetModuleHandleW(nullptr), this);
    }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == throwOn_) {
            throw std::runtime_error("handler failed");
        }
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }

  private:
    UINT throwOn_;
};

// A failed create means no window; a window whose last handler failed is gone all the same.
TEST(HandlerException, NoWindowIsLeftHalfMadeOrHalfDestroyed) {
    for (const UINT message : {UINT{WM_NCCREATE}, UINT{WM_CREATE}, UINT{WM_NCDESTROY}}) {
        ThrowingWindow window(message);
        const HWND created = window.Create();
        if (message == WM_NCDESTROY) {
            ASSERT_NE(created, nullptr);
            DestroyWindow(created);
        }
        EXPECT_EQ(created != nullptr, message == WM_NCDESTROY) << message;
        EXPECT_EQ(window.hwnd(), nullptr) << message;
    }
}

TEST(HandlerException, AHalfHandledMessageGetsNoDefaultHandlingOnTop) {
    ThrowingWindow window(WM_CLOSE);
    const HWND hwnd = window.Create();
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(SendMessageW(hwnd, WM_CLOSE, 0, 0), 0);
    EXPECT_TRUE(IsWindow(hwnd)) << "the default handling of WM_CLOSE would have destroyed it";
}

HWND CreateEdit() {
    return CreateWindowExW(0, L"EDIT", L"", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

std::wstring TextOf(HWND window) {
    wchar_t buffer[64] = {};
    GetWindowTextW(window, buffer, 64);
    return buffer;
}

TEST(HandlerException, ACharacterWhoseHandlerThrewIsNotInserted) {
    const HWND edit = CreateEdit();
    {
        WindowSubclass subclass(edit, [](UINT message, WPARAM, LPARAM, LRESULT&) -> bool {
            if (message == WM_CHAR) {
                throw std::runtime_error("key handler failed");
            }
            return false;
        });
        SendMessageW(edit, WM_CHAR, L'5', 1);
        EXPECT_EQ(TextOf(edit), L"");
    }
    DestroyWindow(edit);
}

// A locale that cannot be read: every key the main window's filter looks at fails.
class BrokenLocale final : public Locale {
  public:
    char DecimalSeparator() const override { throw std::runtime_error("no regional settings"); }
};

class NoInformationWindows final : public InformationWindow {
  public:
    void ShowModal() override {}
};

TEST(HandlerException, TheMainWindowDropsTheKeyAndStillEndsTheLoopWhenDestroyed) {
    FakeClipboard clipboard;
    BrokenLocale locale;
    FakeDialogs dialogs;
    FakeKeyboardEvents keyboard;
    NoInformationWindows windows;
    Form1Window window(GetModuleHandleW(nullptr),
                       {clipboard, locale, dialogs, keyboard, windows, windows});
    ASSERT_TRUE(window.Create(SW_HIDE));
    const HWND field = GetDlgItem(window.hwnd(), IDC_TEXT1);
    SendMessageW(field, WM_CHAR, L'5', 1);
    EXPECT_EQ(TextOf(field), L"");

    MSG quit{};
    ASSERT_FALSE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
    EXPECT_EQ(window.AfterException(WM_DESTROY), 0);
    EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST(WindowSubclass, TwoSubclassesOnOneControlBothStayInTheChain) {
    const HWND edit = CreateEdit();
    int first = 0;
    int second = 0;
    auto counting = [](int& count) {
        return [&count](UINT message, WPARAM, LPARAM, LRESULT&) {
            count += message == WM_CHAR ? 1 : 0;
            return false;
        };
    };
    {
        WindowSubclass a(edit, counting(first));
        WindowSubclass b(edit, counting(second));
        SendMessageW(edit, WM_CHAR, L'7', 1);
    }
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 1);
    EXPECT_EQ(TextOf(edit), L"7");
    DestroyWindow(edit);
}

TEST(WindowSubclass, LeavesTheChainWhenTheControlIsDestroyed) {
    const HWND edit = CreateEdit();
    WindowSubclass subclass(edit, [](UINT, WPARAM, LPARAM, LRESULT&) { return false; });
    ASSERT_TRUE(subclass.attached());
    DestroyWindow(edit);
    EXPECT_FALSE(subclass.attached());
}

}  // namespace
}  // namespace verbalo::platform::win32
