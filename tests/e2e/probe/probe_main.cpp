// verbalo-e2e-probe: what the end-to-end tests cannot see from X, read from the running Verbalo
// by another Windows process.
//   verbalo-e2e-probe clipboard-owner            main, none, or other CLASS
//   verbalo-e2e-probe clipboard-text             the Windows clipboard's text (no window needed)
//   verbalo-e2e-probe text field|echo|output|status
// prints the answer as UTF-8 on standard output. Exit status 1 when Verbalo's main window (or
// the control, or the clipboard) is not there, 2 for a usage error.
#include <windows.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "main_window_reader.h"
#include "platform/win32/text_conversion.h"
#include "resources/resource_ids.h"

namespace {

using verbalo::e2e::MainWindowReader;
using verbalo::platform::win32::WideToUtf8;

struct NamedControl {
    std::wstring_view name;
    int id;
};

// The main window's controls by the names the tests use.
constexpr std::array kControls{
    NamedControl{L"field", IDC_TEXT1},
    NamedControl{L"echo", IDC_LBFORMATTATO},
    NamedControl{L"output", IDC_TXTLETTERE},
    NamedControl{L"status", IDC_LABEL3},
};

std::optional<int> ControlIdNamed(std::wstring_view name) {
    for (const NamedControl& control : kControls) {
        if (control.name == name) {
            return control.id;
        }
    }
    return std::nullopt;
}

// Written as bytes: a console code page must not convert the UTF-8.
void Write(DWORD stream, std::wstring_view text) {
    const std::string bytes = WideToUtf8(text) + "\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(stream), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
              nullptr);
}

int Fail(int status, std::wstring_view message) {
    Write(STD_ERROR_HANDLE, std::wstring(L"verbalo-e2e-probe: ") + std::wstring(message));
    return status;
}

int Usage() {
    return Fail(2,
                L"usage: verbalo-e2e-probe clipboard-owner | clipboard-text | "
                L"text field|echo|output|status");
}

// The text on the Windows clipboard, as another program would paste it; an empty line when it
// holds none. Reading needs no owner window.
int WriteClipboardText() {
    if (OpenClipboard(nullptr) == FALSE) {
        return Fail(1, L"the clipboard is open elsewhere");
    }
    std::wstring text;
    if (const HANDLE data = GetClipboardData(CF_UNICODETEXT); data != nullptr) {
        if (const auto* locked = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = locked;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    Write(STD_OUTPUT_HANDLE, text);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring_view command = argc > 1 ? argv[1] : L"";
    if (command == L"clipboard-text" && argc == 2) {
        return WriteClipboardText();
    }
    const bool wantsOwner = command == L"clipboard-owner" && argc == 2;
    const std::optional<int> controlId =
        command == L"text" && argc == 3 ? ControlIdNamed(argv[2]) : std::nullopt;
    if (!wantsOwner && !controlId) {
        return Usage();
    }
    const std::optional<MainWindowReader> main = MainWindowReader::Find();
    if (!main) {
        return Fail(1, L"no Verbalo main window");
    }
    if (wantsOwner) {
        Write(STD_OUTPUT_HANDLE, main->ClipboardOwner());
        return 0;
    }
    const std::optional<std::wstring> text = main->ControlText(*controlId);
    if (!text) {
        return Fail(1, std::wstring(L"the main window's ") + argv[2] + L" did not answer");
    }
    Write(STD_OUTPUT_HANDLE, *text);
    return 0;
}
