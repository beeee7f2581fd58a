#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace verbalo::e2e {

// Reads the running Verbalo's main window from another process: only what the system marshals
// across processes (sent messages, window classes, the clipboard's owner).
class MainWindowReader {
  public:
    // The top-level window of the main window's class, or nothing when Verbalo does not run.
    static std::optional<MainWindowReader> Find();

    // The text of the child control with this identifier, as WM_GETTEXT gives it; nothing when
    // there is no such control or it did not answer.
    std::optional<std::wstring> ControlText(int controlId) const;

    // "main" when the clipboard belongs to this window, "none" when it belongs to no window,
    // else "other " and the owner's class name.
    std::wstring ClipboardOwner() const;

  private:
    explicit MainWindowReader(HWND window) : window_(window) {}
    HWND window_;
};

}  // namespace verbalo::e2e
