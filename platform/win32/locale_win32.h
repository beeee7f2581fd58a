#pragma once

#include <string>

#include "platform/locale.h"

namespace verbalo::platform::win32 {

// The decimal separator of the user's regional settings (LOCALE_SDECIMAL of the user's default
// locale), as Windows gives it; empty when it gives none.
std::wstring UserDecimalSeparator();

// The user's regional settings, read at every call so that a change applies at once.
class Win32Locale : public Locale {
  public:
    char DecimalSeparator() const override;
};

}  // namespace verbalo::platform::win32
