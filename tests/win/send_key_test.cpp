// SendKey through the real user32 services: the synthesized events must reach the focused
// window as the messages of a key typed by hand.
#include "keys/send_key.h"
#include "platform/win32/keyboard_events_win32.h"

#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

namespace verbalo {
namespace {

struct KeyMessage {
    UINT message;
    WPARAM code;      // virtual-key code, or the character of WM_CHAR / WM_SYSCHAR
    bool altContext;  // bit 29 of lParam: Alt was down
    bool shiftDown;   // GetKeyState(VK_SHIFT) as the message was handled
    bool altDown;     // GetKeyState(VK_MENU)

    bool IsKeyUp() const { return message == WM_KEYUP || message == WM_SYSKEYUP; }
};

std::ostream& operator<<(std::ostream& os, const KeyMessage& key) {
    return os << "{message 0x" << std::hex << key.message << ", code 0x" << key.code << std::dec
              << ", altContext " << key.altContext << ", shift " << key.shiftDown << ", alt "
              << key.altDown << "}";
}

bool IsKeyMessage(UINT message) {
    switch (message) {
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_CHAR:
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP:
        case WM_SYSCHAR:
            return true;
        default:
            return false;
    }
}

// A visible top-level window that records the key messages it gets and gives the system keys
// no default handling (which would open the window menu).
class KeyRecordingWindow {
  public:
    KeyRecordingWindow() {
        const HINSTANCE instance = GetModuleHandleW(nullptr);
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = WindowProc;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = kClassName;
        windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        classAtom_ = RegisterClassW(&windowClass);
        hwnd_ = CreateWindowExW(0, kClassName, L"Verbalo SendKey test", WS_OVERLAPPEDWINDOW, 100,
                                100, 400, 200, nullptr, nullptr, instance, this);
    }

    KeyRecordingWindow(const KeyRecordingWindow&) = delete;
    KeyRecordingWindow& operator=(const KeyRecordingWindow&) = delete;

    ~KeyRecordingWindow() {
        if (hwnd_ != nullptr) {
            DestroyWindow(hwnd_);
        }
        if (classAtom_ != 0) {
            UnregisterClassW(kClassName, GetModuleHandleW(nullptr));
        }
    }

    HWND hwnd() const { return hwnd_; }
    std::vector<KeyMessage> received;

  private:
    static constexpr const wchar_t* kClassName = L"VerbaloSendKeyTestWindow";

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept {
        if (message == WM_NCCREATE) {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* self = reinterpret_cast<KeyRecordingWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self == nullptr || !IsKeyMessage(message)) {
            return DefWindowProcW(hwnd, message, wParam, lParam);
        }
        try {
            self->received.push_back({message, wParam, (lParam & (LPARAM{1} << 29)) != 0,
                                      GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_MENU) < 0});
        } catch (...) {
            // Recording failed: the test will see the message missing.
        }
        return 0;
    }

    ATOM classAtom_ = 0;
    HWND hwnd_ = nullptr;
};

void PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// Pumps messages until `done` holds or the time is up; returns `done()`.
template <class Condition>
bool PumpUntil(Condition done, std::chrono::milliseconds timeout = std::chrono::seconds(60)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        PumpMessages();
    }
    return true;
}

// One window serves all the tests: under Wine, destroying a focused window takes seconds.
class SendKeyToWindow : public testing::Test {
  protected:
    static void SetUpTestSuite() { window_ = std::make_unique<KeyRecordingWindow>(); }
    static void TearDownTestSuite() { window_.reset(); }

    void SetUp() override {
        ASSERT_NE(window_->hwnd(), nullptr);
        ShowWindow(window_->hwnd(), SW_SHOWNORMAL);
        UpdateWindow(window_->hwnd());
        const bool focused = PumpUntil([] {
            SetForegroundWindow(window_->hwnd());
            SetFocus(window_->hwnd());
            return GetForegroundWindow() == window_->hwnd() && GetFocus() == window_->hwnd();
        });
        ASSERT_TRUE(focused) << "the test window never got the keyboard focus";
        PumpMessages();
    }

    // Sends the key and collects the key messages up to the last key going up.
    std::vector<KeyMessage> Send(std::string keyText, std::int16_t& modifier, std::size_t keyUps) {
        window_->received.clear();
        EXPECT_TRUE(SendKey(keyText, modifier, keyboard_).has_value());
        PumpUntil([&] {
            std::size_t ups = 0;
            for (const KeyMessage& key : window_->received) {
                ups += key.IsKeyUp() ? 1 : 0;
            }
            return ups >= keyUps;
        });
        // Anything trailing: a key pressed after them comes after all their messages.
        keybd_event(VK_F24, 0, 0, 0);
        keybd_event(VK_F24, 0, KEYEVENTF_KEYUP, 0);
        const auto isMark = [](const KeyMessage& key) {
            return key.code == VK_F24 && key.message != WM_CHAR && key.message != WM_SYSCHAR;
        };
        PumpUntil([&] {
            return std::ranges::any_of(window_->received, [&](const KeyMessage& key) {
                return isMark(key) && key.IsKeyUp();
            });
        });
        std::erase_if(window_->received, isMark);
        return window_->received;
    }

    static inline std::unique_ptr<KeyRecordingWindow> window_;
    platform::win32::Win32KeyboardEvents keyboard_;
};

using testing::AllOf;
using testing::AnyOf;
using testing::ElementsAre;
using testing::Field;
using testing::Truly;

auto Message(UINT message, WPARAM code) {
    return AllOf(Field(&KeyMessage::message, message), Field(&KeyMessage::code, code));
}

auto WithShift(bool down) {
    return Field(&KeyMessage::shiftDown, down);
}

auto WithAlt(bool down) {
    return Field(&KeyMessage::altDown, down);
}

TEST_F(SendKeyToWindow, TabArrivesAsTabDownCharacterAndUp) {
    std::int16_t modifier = 0;
    const auto received = Send("{TAB}", modifier, 1);

    EXPECT_THAT(received, ElementsAre(AllOf(Message(WM_KEYDOWN, VK_TAB), WithShift(false)),
                                      Message(WM_CHAR, L'\t'), Message(WM_KEYUP, VK_TAB)));
    EXPECT_EQ(modifier, 0);
}

TEST_F(SendKeyToWindow, ShiftTabHoldsShiftAroundTab) {
    std::int16_t modifier = 0;
    const auto received = Send("+{TAB}", modifier, 2);

    EXPECT_THAT(received, ElementsAre(Message(WM_KEYDOWN, VK_SHIFT),
                                      AllOf(Message(WM_KEYDOWN, VK_TAB), WithShift(true)),
                                      Message(WM_CHAR, L'\t'),
                                      AllOf(Message(WM_KEYUP, VK_TAB), WithShift(true)),
                                      Message(WM_KEYUP, VK_SHIFT)));
    EXPECT_EQ(modifier, kShiftKey);
}

TEST_F(SendKeyToWindow, AltFArrivesAsSystemKeys) {
    std::int16_t modifier = 0;
    const auto received = Send("%f", modifier, 2);

    const auto isLetterF = [](const KeyMessage& key) {
        return key.code == L'f' || key.code == L'F';
    };
    EXPECT_THAT(received,
                ElementsAre(Message(WM_SYSKEYDOWN, VK_MENU),
                            AllOf(Message(WM_SYSKEYDOWN, 'F'), WithAlt(true),
                                  Field(&KeyMessage::altContext, true)),
                            AllOf(Field(&KeyMessage::message, WM_SYSCHAR), Truly(isLetterF)),
                            AllOf(Message(WM_SYSKEYUP, 'F'), WithAlt(true)),
                            AnyOf(Message(WM_KEYUP, VK_MENU), Message(WM_SYSKEYUP, VK_MENU))));
    EXPECT_EQ(modifier, kAltKey);
}

TEST_F(SendKeyToWindow, LeavesNoModifierDown) {
    std::int16_t modifier = 0;
    Send("+{TAB}", modifier, 2);
    Send("%f", modifier, 2);

    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
    EXPECT_GE(GetKeyState(VK_MENU), 0);
    EXPECT_GE(GetAsyncKeyState(VK_SHIFT), 0);
    EXPECT_GE(GetAsyncKeyState(VK_MENU), 0);
}

}  // namespace
}  // namespace verbalo
