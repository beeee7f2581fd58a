// Verbalo: the Windows program. Creates the services, the information windows and the main
// window, then runs the message loop until the main window is gone.
#include <windows.h>
// After windows.h, which it builds on.
#include <commctrl.h>

#include "platform/win32/clipboard_win32.h"
#include "platform/win32/dialogs_win32.h"
#include "platform/win32/dll_search.h"
#include "platform/win32/keyboard_events_win32.h"
#include "platform/win32/locale_win32.h"
#include "resources/main_window_texts.h"
#include "ui/win32/deferred_information_windows.h"
#include "ui/win32/form1_window.h"

namespace {

using namespace verbalo;
using namespace verbalo::platform::win32;
using namespace verbalo::ui::win32;

int RunMessageLoop() {
    MSG message;
    BOOL got = FALSE;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) != 0 && got != -1) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return got == -1 ? 1 : static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    // Before anything can load a DLL: none from the program's folder.
    RestrictDllSearchToSystem32();
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    Win32Clipboard clipboard;  // owned by the main window once it exists
    Win32Locale locale;
    Win32Dialogs dialogs;
    Win32KeyboardEvents keyboard;
    // Both information windows, and the producer window loaded hidden by a launch of the
    // system-information tool, live until the program ends; they never keep it running.
    DeferredInformationWindows informationWindows(instance, dialogs);

    Form1Window mainWindow(instance, {clipboard, locale, dialogs, keyboard, informationWindows});
    if (!mainWindow.Create(showCommand)) {
        dialogs.ShowMessage(texts::kCannotStart, platform::Dialogs::Icon::Warning);
        return 1;
    }
    clipboard.SetOwner(mainWindow.hwnd());
    informationWindows.SetMainWindow(mainWindow.hwnd());
    return RunMessageLoop();
}
