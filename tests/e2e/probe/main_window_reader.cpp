#include "main_window_reader.h"

namespace verbalo::e2e {
namespace {

constexpr wchar_t kMainWindowClass[] = L"VerbaloForm1";
// A program that does not answer within this time is taken as hung.
constexpr UINT kAnswerTimeoutMs = 60000;

std::wstring ClassNameOf(HWND window) {
    wchar_t name[256] = {};
    const int length = GetClassNameW(window, name, 256);
    return std::wstring(name, static_cast<std::size_t>(length > 0 ? length : 0));
}

}  // namespace

std::optional<MainWindowReader> MainWindowReader::Find() {
    const HWND window = FindWindowW(kMainWindowClass, nullptr);
    if (window == nullptr) {
        return std::nullopt;
    }
    return MainWindowReader(window);
}

std::optional<std::wstring> MainWindowReader::ControlText(int controlId) const {
    const HWND control = GetDlgItem(window_, controlId);
    if (control == nullptr) {
        return std::nullopt;
    }
    // Sent, not read with GetWindowTextW: for another process's window that gives the caption
    // the system keeps, not the control's own text.
    DWORD_PTR length = 0;
    if (SendMessageTimeoutW(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                            &length) == 0) {
        return std::nullopt;
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (SendMessageTimeoutW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                            SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &copied) == 0) {
        return std::nullopt;
    }
    text.resize(copied < text.size() ? copied : text.size() - 1);
    return text;
}

std::wstring MainWindowReader::ClipboardOwner() const {
    const HWND owner = GetClipboardOwner();
    if (owner == nullptr) {
        return L"none";
    }
    if (owner == window_) {
        return L"main";
    }
    return L"other " + ClassNameOf(owner);
}

}  // namespace verbalo::e2e
