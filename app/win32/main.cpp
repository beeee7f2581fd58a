// Verbalo: the Windows program. The one place that wires it: the services, the flag the
// system-information launcher reports through, the launcher, the two information windows and
// the main window, each handed what it needs; then the message loop until the main window is
// gone.
#include <windows.h>
// After windows.h, which it builds on.
#include <commctrl.h>

#include <cstdint>
#include <string>

#include "infowindows/system_info_launcher.h"
#include "platform/win32/clipboard_win32.h"
#include "platform/win32/dialogs_win32.h"
#include "platform/win32/dll_search.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/keyboard_events_win32.h"
#include "platform/win32/locale_win32.h"
#include "platform/win32/message_pump_win32.h"
#include "platform/win32/program_folders_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/shell_win32.h"
#include "platform/win32/text_conversion.h"
#include "resources/main_window_texts.h"
#include "ui/win32/about_window.h"
#include "ui/win32/form1_window.h"
#include "ui/win32/producer_window.h"

namespace {

using namespace verbalo;
using namespace verbalo::platform::win32;
using namespace verbalo::ui::win32;

// The folder the program was started in, where the producer window's folder list starts.
std::string CurrentFolder() {
    const DWORD length = GetCurrentDirectoryW(0, nullptr);
    std::wstring folder(length, L'\0');
    const DWORD copied = length > 0 ? GetCurrentDirectoryW(length, folder.data()) : 0;
    folder.resize(copied < length ? copied : 0);
    return WideToUtf8(folder);
}

// The program's objects. Making them costs the start nothing: each window makes its window,
// its icons and its brushes when it is first loaded. The windows live until the program ends,
// the producer window loaded hidden by a launch too; none keeps the program running.
struct Program {
    explicit Program(HINSTANCE module) : instance(module) {}

    HINSTANCE instance;
    Win32Clipboard clipboard;  // owned by the main window once it exists
    Win32Locale locale;
    Win32Dialogs dialogs;
    Win32KeyboardEvents keyboard;
    Win32Registry registry;
    Win32FileSystem fileSystem;
    Win32ProgramFolders programFolders;
    Win32Shell shell;
    Win32MessagePump messagePump;
    // 1 after a launch of the system-information tool failed; the producer window clears it.
    std::int16_t systemInfoNotFound = 0;
    // The producer window owns the programs the launcher starts.
    RegistrySystemInfoLauncher launcher{{registry, fileSystem, shell},
                                        [this] { return producer.HandleLoadingIfNeeded(); },
                                        systemInfoNotFound};
    ProducerWindow producer{
        instance,
        {fileSystem, programFolders, shell, dialogs, messagePump, launcher, systemInfoNotFound},
        CurrentFolder()};
    AboutWindow about{instance, launcher, producer};
    Form1Window main{instance, {clipboard, locale, dialogs, keyboard, about, producer}};
};

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

    Program program(instance);
    if (!program.main.Create(showCommand)) {
        program.dialogs.ShowMessage(texts::kCannotStart, platform::Dialogs::Icon::Warning);
        return 1;
    }
    program.clipboard.SetOwner(program.main.hwnd());
    program.producer.SetMainWindow(program.main.hwnd());
    program.about.SetMainWindow(program.main.hwnd());
    return RunMessageLoop();
}
