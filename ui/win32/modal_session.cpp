#include "ui/win32/modal_session.h"

namespace verbalo::ui::win32 {
namespace {

struct DisableSearch {
    HWND keep;
    std::vector<HWND>* disabled;
};

// Disables a visible, enabled top-level window of this thread other than the modal one.
BOOL CALLBACK DisableOther(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<DisableSearch*>(data);
    if (window != search->keep && IsWindowVisible(window) && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        search->disabled->push_back(window);
    }
    return TRUE;
}

}  // namespace

ModalSession::ModalSession(HWND window, ModalSession*& slot)
    : window_(window), slot_(slot), previousActive_(GetActiveWindow()), dialogKeys_(window) {
    slot_ = this;
    // Shown first, so that the focus moves from the active window straight into this one.
    EnableWindow(window_, TRUE);
    ShowWindow(window_, SW_SHOWNORMAL);
    SetForegroundWindow(window_);
    DisableSearch search{window_, &disabled_};
    EnumThreadWindows(GetCurrentThreadId(), &DisableOther, reinterpret_cast<LPARAM>(&search));
}

ModalSession::~ModalSession() {
    ReleaseOthers();
    // When the system did not give the activation back (no window of this thread is active),
    // the window that was active before the session takes it.
    if (previousActive_ != nullptr && IsWindow(previousActive_) &&
        IsWindowVisible(previousActive_) && IsWindowEnabled(previousActive_) &&
        GetActiveWindow() == nullptr) {
        SetActiveWindow(previousActive_);
    }
    slot_ = nullptr;
}

bool ModalSession::Run(const std::function<bool()>& closed) {
    MSG message{};
    while (!closed()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        if (got == -1) {
            return false;
        }
        DispatchThreadMessage(message);
    }
    return true;
}

void ModalSession::ReleaseOthers() {
    for (const HWND window : disabled_) {
        if (IsWindow(window)) {
            EnableWindow(window, TRUE);
        }
    }
    disabled_.clear();
}

}  // namespace verbalo::ui::win32
