#pragma once

#include <cstddef>
#include <cstdint>
#include <expected>
#include <string>
#include <string_view>

#include "wording/wording_error.h"

namespace verbalo {

inline constexpr std::uint64_t kMaxIntegerPart = 999'999'999'999;
// The most significant integer digits an amount text may have to be read at all: far more than
// the amount field holds, and few enough that the integer part and its carry fit 64 bits.
inline constexpr std::size_t kMaxAmountDigits = 18;

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

// The text with every grouping character that goes with the decimal separator taken out.
std::string WithoutGrouping(std::string_view text, char decimalSeparator);

// Reads "[-]digits[<separator>digits]" with at least one digit, as if every grouping character
// had been taken out of the text first ("1.234.567,5", and also "1.2.3", with a comma
// separator); blanks around the number are ignored. Anything else is InvalidAmount; an integer
// part of more than kMaxAmountDigits significant digits is AmountTooLarge.
std::expected<ExactAmount, WordingError> ReadAmountOfAnySize(std::string_view text,
                                                             char decimalSeparator);

// ReadAmountOfAnySize, and an integer part above kMaxIntegerPart after rounding is
// AmountTooLarge: the amounts that can be worded.
std::expected<ExactAmount, WordingError> ReadAmount(std::string_view text, char decimalSeparator);

// ReadAmount, with a grouping character allowed only between groups of three digits of the
// integer part, the first of one to three ("1.234.567,89"): at the start or the end, twice in a
// row, in the fraction or between other groups it is MisplacedGrouping. A text without one
// reads as with ReadAmount.
std::expected<ExactAmount, WordingError> ReadAmountGroupedInThousands(std::string_view text,
                                                                      char decimalSeparator);

}  // namespace verbalo
