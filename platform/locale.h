#pragma once

namespace verbalo::platform {

// The user's regional number format.
class Locale {
  public:
    virtual ~Locale() = default;

    // The decimal separator of the user's regional settings, as one character ("," or ".").
    virtual char DecimalSeparator() const = 0;
};

}  // namespace verbalo::platform
