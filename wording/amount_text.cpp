#include "wording/amount_text.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace verbalo {
namespace {

constexpr std::size_t kMaxFractionDigitsForValue = 40;
constexpr std::array<double, 16> kPowersOfTen = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
std::uint64_t Digit(char c) {
    return static_cast<std::uint64_t>(c - '0');
}
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Reads a text as if every grouping character had been taken out of it first.
class UngroupedCursor {
  public:
    UngroupedCursor(std::string_view text, char grouping) : text_(text), grouping_(grouping) {
        SkipGrouping();
    }
    bool AtEnd() const { return pos_ == text_.size(); }
    char Peek() const { return text_[pos_]; }
    void Next() {
        ++pos_;
        SkipGrouping();
    }
    bool NextIs(char c) const { return !AtEnd() && Peek() == c; }
    bool NextIsDigit() const { return !AtEnd() && IsDigit(Peek()); }
    void SkipBlanks() {
        while (!AtEnd() && IsBlank(Peek())) {
            Next();
        }
    }

  private:
    void SkipGrouping() {
        while (pos_ < text_.size() && text_[pos_] == grouping_) {
            ++pos_;
        }
    }

    std::string_view text_;
    char grouping_;
    std::size_t pos_ = 0;
};

// The fraction digits that matter: the first three round the cents, the first forty the value.
class FractionDigits {
  public:
    void Add(char digit) {
        if (size_ < digits_.size()) {
            digits_[size_++] = digit;
        }
    }
    std::string_view View() const { return {digits_.data(), size_}; }
    int At(std::size_t i) const { return i < size_ ? digits_[i] - '0' : 0; }

  private:
    std::array<char, kMaxFractionDigitsForValue> digits_{};
    std::size_t size_ = 0;
};

// The amount as a double, correctly rounded. With at most 15 significant digits the digits
// form an integer that a double holds exactly, and one division by an exact power of ten
// rounds correctly; longer texts go through the general conversion.
double ValueOf(std::uint64_t integerPart, std::size_t integerDigits, std::string_view fraction) {
    if (integerDigits + fraction.size() < kPowersOfTen.size()) {
        std::uint64_t mantissa = integerPart;
        for (const char c : fraction) {
            mantissa = mantissa * 10 + Digit(c);
        }
        return static_cast<double>(mantissa) / kPowersOfTen[fraction.size()];
    }
    // integer digits + "." + fraction digits (cut far below a double's precision) + "0".
    std::array<char, kMaxAmountDigits + 1 + kMaxFractionDigitsForValue + 1> buffer{};
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

std::expected<ExactAmount, WordingError> ReadAmountOfAnySize(std::string_view text,
                                                             char decimalSeparator) {
    UngroupedCursor cursor(text, GroupingFor(decimalSeparator));
    cursor.SkipBlanks();

    ExactAmount amount;
    if (cursor.NextIs('-')) {
        amount.negative = true;
        cursor.Next();
    }

    bool hasDigits = false;
    std::size_t significantDigits = 0;
    for (; cursor.NextIsDigit(); cursor.Next()) {
        hasDigits = true;
        const char c = cursor.Peek();
        if ((significantDigits > 0 || c != '0') && ++significantDigits <= kMaxAmountDigits) {
            amount.integerPart = amount.integerPart * 10 + Digit(c);
        }
    }

    FractionDigits fraction;
    if (cursor.NextIs(decimalSeparator)) {
        cursor.Next();
        for (; cursor.NextIsDigit(); cursor.Next()) {
            hasDigits = true;
            fraction.Add(cursor.Peek());
        }
    }
    cursor.SkipBlanks();
    if (!hasDigits || !cursor.AtEnd()) {
        return std::unexpected(WordingError::InvalidAmount);
    }
    if (significantDigits > kMaxAmountDigits) {
        return std::unexpected(WordingError::AmountTooLarge);
    }

    amount.value = ValueOf(amount.integerPart, significantDigits, fraction.View());
    if (amount.negative) {
        amount.value = -amount.value;
    }

    // Cents, rounded half away from zero on the third decimal; a carry goes to the integer part.
    amount.cents = fraction.At(0) * 10 + fraction.At(1) + (fraction.At(2) >= 5 ? 1 : 0);
    if (amount.cents == 100) {
        amount.cents = 0;
        ++amount.integerPart;
    }
    return amount;
}

std::expected<ExactAmount, WordingError> ReadAmount(std::string_view text, char decimalSeparator) {
    auto amount = ReadAmountOfAnySize(text, decimalSeparator);
    if (amount && amount->integerPart > kMaxIntegerPart) {
        return std::unexpected(WordingError::AmountTooLarge);
    }
    return amount;
}

}  // namespace verbalo
