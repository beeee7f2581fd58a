#pragma once

// What the tests of the information windows share: a stand-in for the main window, a script
// that acts inside a modal window's message loop, readings of controls through Win32, and the
// windows on doubles of the services they use.
#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "infowindows/system_info_launcher.h"
#include "platform/fakes/fake_accessibility.h"
#include "platform/fakes/fake_clipboard.h"
#include "platform/fakes/fake_dialogs.h"
#include "platform/fakes/fake_display_settings.h"
#include "platform/fakes/fake_file_system.h"
#include "platform/fakes/fake_keyboard_events.h"
#include "platform/fakes/fake_locale.h"
#include "platform/fakes/fake_message_pump.h"
#include "platform/fakes/fake_program_folders.h"
#include "platform/fakes/fake_shell.h"
#include "platform/win32/display_settings_win32.h"
#include "platform/win32/message_pump_win32.h"
#include "ui/win32/about_window.h"
#include "ui/win32/form1_window.h"
#include "ui/win32/producer_window.h"

namespace verbalo::platform::win32::test {

using namespace ::verbalo::ui::win32;  // the window adapters under test

inline std::wstring ClassOf(HWND control) {
    wchar_t name[64] = {};
    GetClassNameW(control, name, 64);
    return name;
}

inline BOOL CALLBACK AddControl(HWND control, LPARAM controls) {
    reinterpret_cast<std::vector<HWND>*>(controls)->push_back(control);
    return TRUE;
}

// The window's controls, and theirs, in z-order.
inline std::vector<HWND> ControlsOf(HWND window) {
    std::vector<HWND> controls;
    EnumChildWindows(window, AddControl, reinterpret_cast<LPARAM>(&controls));
    return controls;
}

// A plain top-level window where the main window would be.
class StandInMainWindow {
  public:
    StandInMainWindow(int left, int top) {
        hwnd_ = CreateWindowExW(0, L"STATIC", L"Verbalo main window stand-in",
                                WS_OVERLAPPEDWINDOW | WS_VISIBLE, left, top, 480, 160, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
        SetForegroundWindow(hwnd_);
        SetActiveWindow(hwnd_);
    }
    ~StandInMainWindow() { DestroyWindow(hwnd_); }
    StandInMainWindow(const StandInMainWindow&) = delete;
    StandInMainWindow& operator=(const StandInMainWindow&) = delete;

    HWND hwnd() const { return hwnd_; }

  private:
    HWND hwnd_ = nullptr;
};

// Steps run one by one from a timer, that is from inside whatever message loop runs: a modal
// window's. The last step is to close the window; if it is still open a while after the steps
// are done, the script calls rescue to close it, so that the test goes on and fails.
class ModalScript {
  public:
    using Step = std::function<void()>;

    explicit ModalScript(std::deque<Step> steps) : steps_(std::move(steps)) {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, kIntervalMs, &ModalScript::Tick);
    }
    ~ModalScript() {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    // All steps have run, and the window closed without a rescue.
    bool finished() const { return steps_.empty() && !rescued_; }

    // Closes whatever window is still open after the steps, so that the test goes on.
    std::function<void()> rescue;

  private:
    static constexpr UINT kIntervalMs = 30;
    static constexpr int kRescueAfterTicks = 100;

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        ModalScript* script = current_;
        if (script == nullptr) {
            return;
        }
        if (!script->steps_.empty()) {
            Step step = std::move(script->steps_.front());
            script->steps_.pop_front();
            step();
        } else if (++script->idleTicks_ == kRescueAfterTicks && script->rescue) {
            script->rescued_ = true;
            script->rescue();
        }
    }

    static inline ModalScript* current_ = nullptr;
    std::deque<Step> steps_;
    UINT_PTR timer_ = 0;
    int idleTicks_ = 0;
    bool rescued_ = false;
};

// A key pressed on the control with the focus, as the message loop gets it.
inline void PostKey(WPARAM key) {
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
    PostMessageW(GetFocus(), WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
}

// Alt and a letter on the control with the focus.
inline void PostAltLetter(wchar_t letter) {
    PostMessageW(GetFocus(), WM_SYSCHAR, letter, static_cast<LPARAM>(0x20000001u));
}

inline std::wstring Text(HWND window) {
    wchar_t buffer[1024] = {};
    GetWindowTextW(window, buffer, 1024);
    return buffer;
}

// A control's rectangle in the client pixels of a window that contains it.
inline RECT RectIn(HWND control, HWND window) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

inline LOGFONTW FontOf(HWND control) {
    LOGFONTW font{};
    const auto handle = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    GetObjectW(handle, sizeof(font), &font);
    return font;
}

inline SIZE ClientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

// The colour of a pixel of a shown window, in its client coordinates.
inline COLORREF PixelAt(HWND window, int x, int y) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

// Runs the messages already waiting, as the main loop would between two events.
inline void Pump() {
    Win32MessagePump().ProcessPendingMessages();
}

// The system's display settings until SwitchToHighContrast, then those of a high-contrast
// black theme.
class SwitchableDisplaySettings : public DisplaySettings {
  public:
    bool HighContrast() const override { return highContrast_.highContrast; }
    Rgb SystemColourOf(SystemColour colour) const override {
        return HighContrast() ? highContrast_.SystemColourOf(colour)
                              : system_.SystemColourOf(colour);
    }
    void SwitchToHighContrast() { highContrast_.SwitchToHighContrast(); }
    const FakeDisplaySettings& highContrast() const { return highContrast_; }

  private:
    Win32DisplaySettings system_;
    FakeDisplaySettings highContrast_;
};

// A launcher that starts nothing and reports, as told, a tool found or not.
class FakeLauncher : public SystemInfoLauncher {
  public:
    explicit FakeLauncher(std::int16_t& systemInfoNotFound) : flag_(systemInfoNotFound) {}
    void LaunchSystemInfo() noexcept override {
        ++calls;
        if (!startsTool) {
            flag_ = 1;
        }
    }
    bool startsTool = true;
    int calls = 0;

  private:
    std::int16_t& flag_;
};

// The producer window on doubles of the services it uses, its folder list starting at "C:\"; the
// file system and the shell can be the real ones. A base of the fixtures and harnesses that
// drive it.
template <class FileSystem, class Shell>
struct ProducerWindowOn {
    std::int16_t systemInfoNotFound_ = 0;
    FakeLauncher launcher_{systemInfoNotFound_};
    FileSystem fileSystem_;
    FakeProgramFolders folders_;
    Shell shell_;
    FakeDialogs dialogs_;
    FakeMessagePump pump_;
    SwitchableDisplaySettings display_;
    FakeAccessibility accessibility_;
    ProducerWindow producer_{
        GetModuleHandleW(nullptr),
        {fileSystem_, folders_, shell_, dialogs_, pump_, launcher_, systemInfoNotFound_},
        "C:\\",
        display_,
        accessibility_};
};
using ProducerWindowOnDoubles = ProducerWindowOn<FakeFileSystem, FakeShell>;

class CountingOpener : public InformationWindow {
  public:
    void ShowModal() override { ++shows; }
    int shows = 0;
};

// The main window on doubles of the services it uses.
struct MainWindowOnDoubles {
    FakeClipboard clipboard_;
    FakeLocale locale_;
    FakeDialogs dialogs_;
    FakeKeyboardEvents keyboard_;
    CountingOpener windows_;
    SwitchableDisplaySettings display_;
    FakeAccessibility accessibility_;
    Form1Window window_{GetModuleHandleW(nullptr),
                        {clipboard_, locale_, dialogs_, keyboard_, windows_, windows_},
                        display_,
                        accessibility_};
};

// The About window on doubles of what it uses; a base of the fixture, made before it.
struct AboutWindowOnDoubles {
    std::int16_t systemInfoNotFound_ = 0;
    FakeLauncher launcher_{systemInfoNotFound_};
    CountingOpener opener_;
    SwitchableDisplaySettings display_;
    FakeAccessibility accessibility_;
    AboutWindow about_{GetModuleHandleW(nullptr), launcher_, opener_, display_, accessibility_};
};

}  // namespace verbalo::platform::win32::test
