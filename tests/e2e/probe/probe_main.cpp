// verbalo-e2e-probe: what the end-to-end tests cannot see or do from X, done beside the running
// Verbalo by another Windows process.
//   verbalo-e2e-probe clipboard-owner            main, none, or other CLASS
//   verbalo-e2e-probe clipboard-set HEX          puts the UTF-8 text HEX (two hex digits a byte)
//                                                on the Windows clipboard, LF as CR LF
//   verbalo-e2e-probe text field|echo|output|status
//   verbalo-e2e-probe serve                      takes these commands one a line on standard
//                                                input and answers each with a line (Serve)
// prints the answer as UTF-8 on standard output. Exit status 1 when Verbalo's main window (or
// the control, or the clipboard) is not there, 2 for a usage error.
#include <windows.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "main_window_reader.h"
#include "platform/win32/text_conversion.h"
#include "resources/resource_ids.h"

namespace {

using verbalo::e2e::MainWindowReader;
using verbalo::platform::win32::Utf8ToWide;
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
                L"usage: verbalo-e2e-probe clipboard-owner | clipboard-set HEX | "
                L"text field|echo|output|status");
}

// The bytes that HEX spells, two hex digits a byte; nothing for a malformed HEX.
std::optional<std::string> BytesFromHex(std::wstring_view hex) {
    const auto digit = [](wchar_t c) -> int {
        if (c >= L'0' && c <= L'9')
            return c - L'0';
        if (c >= L'a' && c <= L'f')
            return c - L'a' + 10;
        if (c >= L'A' && c <= L'F')
            return c - L'A' + 10;
        return -1;
    };
    if (hex.size() % 2 != 0) {
        return std::nullopt;
    }
    std::string bytes;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = digit(hex[i]);
        const int low = digit(hex[i + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<char>(high * 16 + low));
    }
    return bytes;
}

// A line break on the Windows clipboard is CR LF.
std::wstring WithWindowsLineEnds(std::wstring_view text) {
    std::wstring result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\n' && (i == 0 || text[i - 1] != L'\r')) {
            result.push_back(L'\r');
        }
        result.push_back(text[i]);
    }
    return result;
}

struct WindowDestroyer {
    void operator()(HWND window) const { DestroyWindow(window); }
};
using OwnedWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

struct GlobalFreer {
    void operator()(void* memory) const { GlobalFree(memory); }
};
using GlobalMemory = std::unique_ptr<void, GlobalFreer>;

// Puts TEXT on the Windows clipboard as a Windows program copies: opened by a window of its own
// (a message-only one), emptied, then set. The text stays there after the probe has gone.
int SetClipboardText(const std::wstring& text) {
    const OwnedWindow owner(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                            GetModuleHandleW(nullptr), nullptr));
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
    void* locked = memory ? GlobalLock(memory.get()) : nullptr;
    if (!owner || locked == nullptr) {
        return Fail(1, L"no window or memory for the clipboard");
    }
    std::memcpy(locked, text.c_str(), bytes);
    GlobalUnlock(memory.get());
    bool opened = false;
    for (int attempt = 0; attempt < 1200 && !opened; ++attempt) {  // a minute at most
        opened = OpenClipboard(owner.get()) != FALSE;
        if (!opened) {
            Sleep(50);
        }
    }
    if (!opened) {
        return Fail(1, L"the clipboard is open elsewhere");
    }
    const bool set =
        EmptyClipboard() != FALSE && SetClipboardData(CF_UNICODETEXT, memory.get()) != nullptr;
    CloseClipboard();
    if (!set) {
        return Fail(1, L"the clipboard refused the text");
    }
    memory.release();  // the clipboard owns it now
    return 0;
}

// Runs one command; what it prints (one line, without its end) goes to `printed`.
int Run(const std::vector<std::wstring>& args, std::wstring& printed) {
    const std::wstring_view command = args.empty() ? std::wstring_view() : args[0];
    if (command == L"clipboard-set" && args.size() == 2) {
        const std::optional<std::string> bytes = BytesFromHex(args[1]);
        return bytes ? SetClipboardText(WithWindowsLineEnds(Utf8ToWide(*bytes))) : Usage();
    }
    const bool wantsOwner = command == L"clipboard-owner" && args.size() == 1;
    const std::optional<int> controlId =
        command == L"text" && args.size() == 2 ? ControlIdNamed(args[1]) : std::nullopt;
    if (!wantsOwner && !controlId) {
        return Usage();
    }
    const std::optional<MainWindowReader> main = MainWindowReader::Find();
    if (!main) {
        return Fail(1, L"no Verbalo main window");
    }
    if (wantsOwner) {
        printed = main->ClipboardOwner();
        return 0;
    }
    const std::optional<std::wstring> text = main->ControlText(*controlId);
    if (!text) {
        return Fail(1, L"the main window's " + args[1] + L" did not answer");
    }
    printed = *text;
    return 0;
}

// A line of standard input, split at its blanks; nothing at the end of the input.
std::optional<std::vector<std::wstring>> ReadCommand() {
    std::string line;
    char c = 0;
    DWORD read = 0;
    while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), &c, 1, &read, nullptr) && read == 1) {
        if (c == '\n') {
            std::vector<std::wstring> args;
            for (std::size_t at = 0; at < line.size();) {
                const std::size_t end = std::min(line.find(' ', at), line.size());
                if (end > at) {
                    args.push_back(Utf8ToWide(line.substr(at, end - at)));
                }
                at = end + 1;
            }
            return args;
        }
        line += c;
    }
    return std::nullopt;
}

// "serve": one command a line, each answered by one line, "STATUS HEX" (HEX: the UTF-8 of what
// the command prints, two hex digits a byte), until the input ends.
int Serve() {
    while (const auto args = ReadCommand()) {
        std::wstring printed;
        const int status = Run(*args, printed);
        std::string answer = std::to_string(status) + " ";
        for (const unsigned char byte : WideToUtf8(printed)) {
            constexpr char kDigits[] = "0123456789abcdef";
            answer += kDigits[byte >> 4];
            answer += kDigits[byte & 15];
        }
        Write(STD_OUTPUT_HANDLE, Utf8ToWide(answer));
    }
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<std::wstring> args(argv + std::min(argc, 1), argv + argc);
    if (args.size() == 1 && args[0] == L"serve") {
        return Serve();
    }
    std::wstring printed;
    const int status = Run(args, printed);
    if (status == 0 && args[0] != L"clipboard-set") {
        Write(STD_OUTPUT_HANDLE, printed);
    }
    return status;
}
