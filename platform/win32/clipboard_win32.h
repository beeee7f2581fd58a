#pragma once

#include <windows.h>

#include <functional>
#include <utility>

#include "platform/clipboard.h"

namespace verbalo::platform::win32 {

// The Windows clipboard, as Unicode text, owned by a window of the program: OpenClipboard with
// no window followed by EmptyClipboard leaves the clipboard without an owner, and then
// SetClipboardData fails on Windows. With no owner window set, a copy fails without opening the
// clipboard. The text is made ready before the clipboard is emptied, so that a copy that fails
// on the way leaves the user's clipboard as it was. When another program holds the clipboard
// the copy is retried a few times over a fraction of a second, then reported as failed.
class Win32Clipboard : public Clipboard {
  public:
    // What a copy does between two attempts to open a clipboard that another program holds:
    // by default it waits 20 ms; a test may also let the other holder go.
    using Pause = std::function<void()>;

    Win32Clipboard() = default;
    explicit Win32Clipboard(HWND owner, Pause pause = {})
        : owner_(owner), pause_(std::move(pause)) {}
    // The window that owns what the program puts on the clipboard: the main window.
    void SetOwner(HWND owner) { owner_ = owner; }
    bool ClearAndSetText(std::string_view text) override;

  private:
    HWND owner_ = nullptr;
    Pause pause_;
};

}  // namespace verbalo::platform::win32
