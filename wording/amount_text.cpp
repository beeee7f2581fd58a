#include "wording/amount_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>

namespace verbalo {
namespace {

// Fraction digits kept for the general conversion of the value: far below a double's precision.
constexpr std::size_t kMaxFractionDigitsForValue = 40;
// Significant digits that form an integer a double holds exactly (10^15 < 2^53).
constexpr std::size_t kExactDigits = 15;
constexpr std::array<double, kExactDigits + 1> kPowersOfTen = {
    1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The digit that c is, or a value of 10 or more when it is none.
unsigned DigitValue(char c) {
    return static_cast<unsigned>(static_cast<unsigned char>(c)) - '0';
}

// The fraction digits as they are read: the first three give the cents, and the first forty
// the value.
class Fraction {
  public:
    void Add(char digit) {
        if (count_ < digits_.size()) {
            digits_[count_] = digit;
        }
        ++count_;
    }
    std::size_t Count() const { return count_; }
    std::string_view ForValue() const { return {digits_.data(), std::min(count_, digits_.size())}; }

    // The cents rounded half away from zero on the third digit: 0 to 100.
    int RoundedCents() const {
        const auto at = [this](std::size_t i) { return i < count_ ? digits_[i] - '0' : 0; };
        return at(0) * 10 + at(1) + (at(2) >= 5 ? 1 : 0);
    }

  private:
    std::array<char, kMaxFractionDigitsForValue> digits_;  // only the first count_ are set
    std::size_t count_ = 0;
};

// The amount as a double, correctly rounded. With at most 15 significant digits the digits
// form an integer that a double holds exactly, and one division by an exact power of ten
// rounds correctly; longer numbers go through the general conversion.
double ValueOf(std::uint64_t integerPart, std::size_t integerDigits, std::string_view fraction) {
    if (integerDigits + fraction.size() <= kExactDigits) {
        std::uint64_t mantissa = integerPart;
        for (const char c : fraction) {
            mantissa = mantissa * 10 + DigitValue(c);
        }
        return static_cast<double>(mantissa) / kPowersOfTen[fraction.size()];
    }
    // integer digits + "." + fraction digits + "0".
    std::array<char, kMaxAmountDigits + 1 + kMaxFractionDigitsForValue + 1> buffer;
    char* out = std::to_chars(buffer.data(), buffer.data() + kMaxAmountDigits + 1, integerPart).ptr;
    *out++ = '.';
    out = std::copy(fraction.begin(), fraction.end(), out);
    *out++ = '0';
    double value = 0.0;
    std::from_chars(buffer.data(), out, value);
    return value;
}

}  // namespace

std::string WithoutGrouping(std::string_view text, char decimalSeparator) {
    const char grouping = GroupingFor(decimalSeparator);
    std::string ungrouped;
    ungrouped.reserve(text.size());
    for (const char c : text) {
        if (c != grouping) {
            ungrouped += c;
        }
    }
    return ungrouped;
}

namespace {

// Where a grouping character may stand. Passed over anywhere by default; with kThousands only
// between the groups of three digits of the integer part, whose first group has one to three.
template <bool kThousands>
class GroupingRule {
  public:
    void Digit() {
        if constexpr (kThousands) {
            ++digits_;
        }
    }
    // A grouping character after the integer digits counted so far: may it stand there?
    bool Grouping() {
        if constexpr (kThousands) {
            const bool placed = grouped_ ? digits_ == 3 : digits_ >= 1 && digits_ <= 3;
            grouped_ = true;
            digits_ = 0;
            return placed;
        }
        return true;
    }
    // The end of the integer part: its last group is complete.
    bool IntegerEnd() const { return !kThousands || !grouped_ || digits_ == 3; }

  private:
    std::size_t digits_ = 0;  // integer digits since the last grouping character
    bool grouped_ = false;
};

// One pass over the text, each part in its own loop: blanks, the sign, the integer digits, the
// fraction digits, blanks. A grouping character is passed over wherever it stands, or, with
// kThousands, only where GroupingRule lets it (elsewhere MisplacedGrouping). An integer part
// above `largest` after rounding is AmountTooLarge. (Inline in every reader.)
template <bool kThousands>
std::expected<ExactAmount, WordingError> ReadUpTo(std::string_view text, char decimalSeparator,
                                                  std::uint64_t largest) {
    const char grouping = GroupingFor(decimalSeparator);
    const char* p = text.data();
    const char* const end = p + text.size();
    GroupingRule<kThousands> rule;
    // Blanks, and grouping characters when they may stand anywhere; false at one that may not.
    const auto skipBlanksAndGrouping = [&] {
        for (; p != end && (*p == grouping || IsBlank(*p)); ++p) {
            if (kThousands && *p == grouping) {
                return false;
            }
        }
        return true;
    };
    const auto misplaced = std::unexpected(WordingError::MisplacedGrouping);

    ExactAmount amount;
    if (!skipBlanksAndGrouping()) {
        return misplaced;
    }
    if (p != end && *p == '-') {
        amount.negative = true;
        for (++p; !kThousands && p != end && *p == grouping; ++p) {
        }
    }

    // Leading zeros count as digits, not as significant ones.
    bool hasDigits = false;
    for (; p != end && (*p == '0' || *p == grouping); ++p) {
        if (*p == '0') {
            hasDigits = true;
            rule.Digit();
        } else if (!rule.Grouping()) {
            return misplaced;
        }
    }
    std::size_t significantDigits = 0;
    for (; p != end; ++p) {
        if (const unsigned digit = DigitValue(*p); digit < 10) {
            rule.Digit();
            if (++significantDigits <= kMaxAmountDigits) {
                amount.integerPart = amount.integerPart * 10 + digit;
            }
        } else if (*p != grouping) {
            break;
        } else if (!rule.Grouping()) {
            return misplaced;
        }
    }
    hasDigits = hasDigits || significantDigits > 0;
    if (!rule.IntegerEnd()) {
        return misplaced;
    }

    Fraction fraction;
    if (p != end && *p == decimalSeparator) {
        for (++p; p != end; ++p) {
            if (DigitValue(*p) < 10) {
                hasDigits = true;
                fraction.Add(*p);
            } else if (*p != grouping) {
                break;
            } else if (kThousands) {
                return misplaced;
            }
        }
    }
    if (!skipBlanksAndGrouping()) {
        return misplaced;
    }
    if (!hasDigits || p != end) {
        return std::unexpected(WordingError::InvalidAmount);
    }
    if (significantDigits > kMaxAmountDigits) {
        return std::unexpected(WordingError::AmountTooLarge);
    }

    const double value = ValueOf(amount.integerPart, significantDigits, fraction.ForValue());
    amount.value = amount.negative ? -value : value;
    // A carry from the cents goes to the integer part.
    amount.cents = fraction.RoundedCents();
    if (amount.cents == 100) {
        amount.cents = 0;
        ++amount.integerPart;
    }
    if (amount.integerPart > largest) {
        return std::unexpected(WordingError::AmountTooLarge);
    }
    return amount;
}

}  // namespace

std::expected<ExactAmount, WordingError> ReadAmountOfAnySize(std::string_view text,
                                                             char decimalSeparator) {
    return ReadUpTo<false>(text, decimalSeparator, std::numeric_limits<std::uint64_t>::max());
}

std::expected<ExactAmount, WordingError> ReadAmount(std::string_view text, char decimalSeparator) {
    return ReadUpTo<false>(text, decimalSeparator, kMaxIntegerPart);
}

std::expected<ExactAmount, WordingError> ReadAmountGroupedInThousands(std::string_view text,
                                                                      char decimalSeparator) {
    return ReadUpTo<true>(text, decimalSeparator, kMaxIntegerPart);
}

}  // namespace verbalo
