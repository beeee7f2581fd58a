#pragma once

#include "platform/locale.h"

namespace verbalo::platform {

class FakeLocale : public Locale {
  public:
    explicit FakeLocale(char separator = ',') : separator_(separator) {}
    char DecimalSeparator() const override { return separator_; }

  private:
    char separator_;
};

}  // namespace verbalo::platform
