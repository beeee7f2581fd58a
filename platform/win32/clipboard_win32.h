#pragma once

#include <windows.h>

#include "platform/clipboard.h"

namespace verbalo::platform::win32 {

// The Windows clipboard, as Unicode text. When another program holds the clipboard the copy is
// retried a few times over a fraction of a second, then reported as failed.
class Win32Clipboard : public Clipboard {
  public:
    explicit Win32Clipboard(HWND owner) : owner_(owner) {}
    bool ClearAndSetText(std::string_view text) override;

  private:
    HWND owner_;
};

}  // namespace verbalo::platform::win32
