#pragma once

#include "platform/locale.h"

namespace verbalo::platform::win32 {

// The user's regional settings, read at every call so that a change applies at once.
class Win32Locale : public Locale {
  public:
    char DecimalSeparator() const override;
};

}  // namespace verbalo::platform::win32
