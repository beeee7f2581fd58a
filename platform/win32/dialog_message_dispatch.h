#pragma once

#include <windows.h>

namespace verbalo::platform::win32 {

// The window of this thread whose dialog keys work (Tab and Shift+Tab between its controls,
// access keys, Enter as IDOK and Esc as IDCANCEL) for as long as the scope lives: the window
// shown modally. Scopes nest as modal windows do; when one ends, the window of the scope around
// it has the dialog keys again.
class ModalDialogScope {
  public:
    explicit ModalDialogScope(HWND window);
    ~ModalDialogScope();
    ModalDialogScope(const ModalDialogScope&) = delete;
    ModalDialogScope& operator=(const ModalDialogScope&) = delete;

  private:
    HWND previous_;
};

// Dispatches one message taken from this thread's queue, by whichever loop took it: the modal
// window's dialog handling (IsDialogMessage) has it first, and what it leaves is translated and
// dispatched. With no modal window, or once it is gone, every message is dispatched plainly.
void DispatchThreadMessage(MSG& message);

}  // namespace verbalo::platform::win32
