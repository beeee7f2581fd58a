#include "wording/amount_text.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace verbalo {
namespace {

constexpr std::size_t kMaxSignificantDigits = 12;
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

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

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
    std::array<char, kMaxSignificantDigits + 1 + kMaxFractionDigitsForValue + 1> buffer{};
    char* out =
        std::to_chars(buffer.data(), buffer.data() + kMaxSignificantDigits + 1, integerPart).ptr;
    *out++ = '.';
    out = std::copy_n(fraction.data(), std::min(fraction.size(), kMaxFractionDigitsForValue), out);
    *out++ = '0';
    double value = 0.0;
    std::from_chars(buffer.data(), out, value);
    return value;
}

}  // namespace

std::expected<ExactAmount, WordingError> ReadAmount(std::string_view text, char decimalSeparator) {
    const char grouping = GroupingFor(decimalSeparator);
    text = TrimBlanks(text);

    ExactAmount amount;
    std::size_t pos = 0;
    if (pos < text.size() && text[pos] == '-') {
        amount.negative = true;
        ++pos;
    }

    // Integer part: digits, with grouping characters only between whole groups ("1.234.567"):
    // a first group of one to three digits, every later one of exactly three.
    const std::size_t integerStart = pos;
    while (pos < text.size() && text[pos] == '0') {
        ++pos;
    }
    std::size_t significantDigits = 0;
    bool grouped = false;
    for (std::size_t groupStart = integerStart;; groupStart = ++pos) {
        while (pos < text.size() && IsDigit(text[pos])) {
            const bool significant = significantDigits > 0 || text[pos] != '0';
            if (significant && ++significantDigits <= kMaxSignificantDigits) {
                amount.integerPart = amount.integerPart * 10 + Digit(text[pos]);
            }
            ++pos;
        }
        const std::size_t groupLength = pos - groupStart;
        const bool wellFormedGroup =
            grouped ? groupLength == 3 : groupLength >= 1 && groupLength <= 3;
        if (pos < text.size() && text[pos] == grouping && wellFormedGroup) {
            grouped = true;
            continue;
        }
        if (grouped && groupLength != 3) {
            return std::unexpected(WordingError::InvalidAmount);
        }
        break;
    }
    const bool hasIntegerDigits = pos > integerStart;

    std::string_view fraction;
    if (pos < text.size()) {
        if (text[pos] != decimalSeparator) {
            return std::unexpected(WordingError::InvalidAmount);
        }
        fraction = text.substr(pos + 1);
    }
    if ((!hasIntegerDigits && fraction.empty()) || !std::ranges::all_of(fraction, IsDigit)) {
        return std::unexpected(WordingError::InvalidAmount);
    }
    if (significantDigits > kMaxSignificantDigits) {
        return std::unexpected(WordingError::AmountTooLarge);
    }

    amount.value = ValueOf(amount.integerPart, significantDigits, fraction);
    if (amount.negative) {
        amount.value = -amount.value;
    }

    // Cents, rounded half away from zero on the third decimal; a carry goes to the integer part.
    auto fractionDigit = [&](std::size_t i) { return i < fraction.size() ? fraction[i] - '0' : 0; };
    amount.cents = fractionDigit(0) * 10 + fractionDigit(1) + (fractionDigit(2) >= 5 ? 1 : 0);
    if (amount.cents == 100) {
        amount.cents = 0;
        ++amount.integerPart;
    }
    if (amount.integerPart > kMaxIntegerPart) {
        return std::unexpected(WordingError::AmountTooLarge);
    }
    return amount;
}

}  // namespace verbalo
