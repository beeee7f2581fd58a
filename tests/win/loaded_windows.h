#pragma once

// The three windows made as the program makes them, on doubles of the services they use: the
// main window shown, a modal window loaded over a stand-in main window.
#include <windows.h>

#include "info_window_support.h"
#include "platform/fakes/fake_clipboard.h"
#include "platform/fakes/fake_dialogs.h"
#include "platform/fakes/fake_keyboard_events.h"
#include "platform/fakes/fake_locale.h"
#include "ui/win32/form1_window.h"

namespace verbalo::platform::win32::test {

class NoWindows : public InformationWindows {
  public:
    void ShowAboutModal() override {}
    void ShowProducerModal() override {}
};

// The main window on doubles of the services it uses, made as the program makes it.
struct MainWindowOnDoubles {
    FakeClipboard clipboard;
    FakeLocale locale;
    FakeDialogs dialogs;
    FakeKeyboardEvents keyboard;
    NoWindows windows;
    SwitchableDisplaySettings display;
    FakeAccessibility accessibility;
    Form1Window window{GetModuleHandleW(nullptr),
                       {clipboard, locale, dialogs, keyboard, windows},
                       display,
                       accessibility};
};

// A modal window loaded over a stand-in main window while the object lives, as the load leaves
// it.
class LoadedModal {
  public:
    explicit LoadedModal(ModalWindow& window) : window_(window) {
        window_.SetMainWindow(main_.hwnd());
        loaded_ = window_.Load();
    }
    ~LoadedModal() { window_.Unload(); }
    LoadedModal(const LoadedModal&) = delete;
    LoadedModal& operator=(const LoadedModal&) = delete;

    bool loaded() const { return loaded_; }
    HWND hwnd() const { return window_.hwnd(); }

  private:
    StandInMainWindow main_{100, 100};
    ModalWindow& window_;
    bool loaded_ = false;
};

}  // namespace verbalo::platform::win32::test
