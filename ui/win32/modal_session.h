#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "platform/win32/dialog_message_dispatch.h"

namespace verbalo::ui::win32 {

using platform::win32::DispatchThreadMessage;
using platform::win32::ModalDialogScope;

// Shows a window modally: while it is open the program's other windows take no input, and the
// dialog keys work in it (Tab and Shift+Tab between its controls, access keys, Enter as IDOK and
// Esc as IDCANCEL), in its own loop and in any other that dispatches with DispatchThreadMessage.
// Afterwards the other windows take input again and the window that was active before is active
// again.
//
//   ModalSession session(window, slot);   // shows the window, disables the others
//   session.Run([&] { return closed; });
//
// The window calls ReleaseOthers() just before it goes away, so that the system hands the
// activation straight back to them. A WM_QUIT met in the loop is posted again and ends the loop.
class ModalSession {
  public:
    // slot: where the window keeps the session it is shown in, for ReleaseOthers(); set for
    // the session's lifetime, empty afterwards.
    ModalSession(HWND window, ModalSession*& slot);
    ~ModalSession();
    ModalSession(const ModalSession&) = delete;
    ModalSession& operator=(const ModalSession&) = delete;

    // Dispatches messages until closed() is true, or until WM_QUIT, which it posts again.
    // Returns false when WM_QUIT ended it.
    bool Run(const std::function<bool()>& closed);

    // Enables again the windows the session disabled.
    void ReleaseOthers();

  private:
    HWND window_;
    ModalSession*& slot_;
    HWND previousActive_;
    std::vector<HWND> disabled_;
    ModalDialogScope dialogKeys_;
};

}  // namespace verbalo::ui::win32
