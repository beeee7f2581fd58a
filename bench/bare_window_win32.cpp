// The start-up benchmark's yardstick (bench/startup): the least a program with a window does.
// One window class, one window, a message loop; built with the main program's flags.
// Built a second time with VERBALO_BARE_WINDOW_STYLED: with the program's manifest, and so the
// common controls of version 6 (visual styles) that it asks for, taken up as the program does.
#include <windows.h>
#ifdef VERBALO_BARE_WINDOW_STYLED
// After windows.h, which it builds on.
#include <commctrl.h>
#endif

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
#ifdef VERBALO_BARE_WINDOW_STYLED
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
#endif
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"VerbaloBareWindow";
    if (RegisterClassW(&windowClass) == 0) {
        return 1;
    }
    const HWND window =
        CreateWindowW(windowClass.lpszClassName, L"Bare window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                      CW_USEDEFAULT, 485, 160, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    MSG message;
    BOOL got = FALSE;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) != 0 && got != -1) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return got == -1 ? 1 : static_cast<int>(message.wParam);
}
