#pragma once

#include <cstdint>
#include <expected>
#include <string_view>

#include "wording/wording_error.h"

namespace verbalo {

inline constexpr std::uint64_t kMaxIntegerPart = 999'999'999'999;

// An amount read exactly from its text and rounded to the cent, half away from zero.
struct ExactAmount {
    bool negative = false;          // the text had a minus sign
    std::uint64_t integerPart = 0;  // after rounding: a carry from the cents lands here
    int cents = 0;                  // 0 to 99, after rounding
    double value = 0.0;             // the amount as typed, signed, unrounded

    bool IsZeroToTheCent() const { return integerPart == 0 && cents == 0; }
    // True when the rounded amount is below zero ("-0,001" is not).
    bool IsNegativeToTheCent() const { return negative && !IsZeroToTheCent(); }
};

// The grouping character that goes with a decimal separator: "." for a comma, else ",".
constexpr char GroupingFor(char decimalSeparator) {
    return decimalSeparator == ',' ? '.' : ',';
}

// Reads "[-]digits[<separator>digits]" with at least one digit; blanks around the number are
// ignored, and the integer part may carry grouping characters between groups of three digits
// ("1.234.567,5" with a comma separator). Anything else is InvalidAmount; an integer part above
// kMaxIntegerPart after rounding is AmountTooLarge.
std::expected<ExactAmount, WordingError> ReadAmount(std::string_view text, char decimalSeparator);

}  // namespace verbalo
