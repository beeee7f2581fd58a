// The real main window held to the contract its fake keeps, through Win32 itself.
#include <windows.h>

#include <cstring>
#include <memory>

#include "platform/fakes/fake_keyboard_events.h"
#include "platform/fakes/fake_locale.h"
#include "platform/win32/message_pump_win32.h"
#include "platform/win32/text_conversion.h"
#include "resources/resource_ids.h"
#include "tests/contract/form1_controls_contract.h"
#include "ui/win32/form1_window.h"

namespace verbalo::platform::win32 {

using namespace ::verbalo::ui::win32;  // the window adapters under test
namespace {

class NoInformationWindows final : public InformationWindow {
  public:
    void ShowModal() override {}
};

std::wstring TextOf(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return text;
}

// Puts Unicode text on the system clipboard, owned by a window of this thread.
void PutOnClipboard(HWND owner, const std::wstring& text) {
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    if (OpenClipboard(owner) == FALSE) {
        GlobalFree(memory);
        return;
    }
    EmptyClipboard();
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
        GlobalFree(memory);
    }
    CloseClipboard();
}

class Win32Form1Harness final : public contract::Form1Harness {
  public:
    Win32Form1Harness() {
        window_.Create(SW_SHOWNORMAL);
        SetForegroundWindow(window_.hwnd());
        field_ = GetDlgItem(window_.hwnd(), IDC_TEXT1);
        SetFocus(field_);
        ProcessPendingEvents();
    }
    ~Win32Form1Harness() override {
        if (other_ != nullptr) {
            DestroyWindow(other_);
        }
    }

    Form1& form() override { return window_.form(); }
    Form1Controls& controls() override { return window_; }
    platform::FakeClipboard& clipboard() override { return clipboard_; }
    platform::FakeDialogs& dialogs() override { return dialogs_; }

    std::string EchoCaption() override {
        return WideToUtf8(TextOf(GetDlgItem(window_.hwnd(), IDC_LBFORMATTATO)));
    }
    std::string OutputText() override {
        return WideToUtf8(TextOf(GetDlgItem(window_.hwnd(), IDC_TXTLETTERE)));
    }
    int Caret() override {
        DWORD start = 0;
        SendMessageW(field_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
        return static_cast<int>(start);
    }
    bool AmountFieldHasFocus() override { return GetFocus() == field_; }

    // A typed key reaches the field as the message loop hands it over: WM_CHAR.
    void Type(char key) override {
        SendMessageW(field_, WM_CHAR, static_cast<unsigned char>(key), 1);
    }
    void Paste(std::string_view text) override {
        PutOnClipboard(window_.hwnd(), Utf8ToWide(text));
        Type('\x16');
    }
    void NotifyUnchangedText() override {
        SendMessageW(window_.hwnd(), WM_COMMAND, MAKEWPARAM(IDC_TEXT1, EN_CHANGE),
                     reinterpret_cast<LPARAM>(field_));
    }
    void MoveFocusToOwnWindow() override {
        if (other_ == nullptr) {
            other_ = CreateWindowExW(0, L"EDIT", L"", WS_POPUP | WS_VISIBLE | WS_BORDER, 20, 20,
                                     120, 30, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        }
        SetFocus(other_);
    }
    void ProcessPendingEvents() override { Win32MessagePump().ProcessPendingMessages(); }

  private:
    platform::FakeClipboard clipboard_;
    platform::FakeLocale locale_{','};
    platform::FakeDialogs dialogs_;
    platform::FakeKeyboardEvents keyboard_;
    NoInformationWindows windows_;
    Form1Window window_{GetModuleHandleW(nullptr),
                        {clipboard_, locale_, dialogs_, keyboard_, windows_, windows_}};
    HWND field_ = nullptr;
    HWND other_ = nullptr;
};

}  // namespace
}  // namespace verbalo::platform::win32

namespace verbalo::contract {

INSTANTIATE_TEST_SUITE_P(
    Win32, Form1ControlsContract,
    ::testing::Values(Form1HarnessKind{
        "Win32", [] { return std::make_unique<platform::win32::Win32Form1Harness>(); }}),
    KindName);

}  // namespace verbalo::contract
