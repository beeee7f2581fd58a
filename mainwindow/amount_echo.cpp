#include "mainwindow/amount_echo.h"

#include <array>
#include <charconv>

#include "wording/amount_text.h"

namespace verbalo {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string Formatted(const ExactAmount& amount, char decimalSeparator) {
    std::array<char, 20> digits{};
    const auto end =
        std::to_chars(digits.data(), digits.data() + digits.size(), amount.integerPart).ptr;
    const auto count = static_cast<std::size_t>(end - digits.data());

    std::string echo;
    echo.reserve(24);
    if (amount.IsNegativeToTheCent()) {
        echo += '-';
    }
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0 && (count - i) % 3 == 0) {
            echo += GroupingFor(decimalSeparator);
        }
        echo += digits[i];
    }
    echo += decimalSeparator;
    echo += static_cast<char>('0' + amount.cents / 10);
    echo += static_cast<char>('0' + amount.cents % 10);
    return echo;
}

}  // namespace

std::string FormatAmount(std::string_view text, char decimalSeparator) {
    if (const auto amount = ReadAmountOfAnySize(text, decimalSeparator)) {
        return Formatted(*amount, decimalSeparator);
    }
    return WithoutGrouping(text, decimalSeparator);
}

double LeadingNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) {
        ++pos;
    }
    const std::size_t start = pos;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        ++pos;
    }
    bool seenPoint = false;
    bool seenDigit = false;
    for (; pos < text.size(); ++pos) {
        if (IsDigit(text[pos])) {
            seenDigit = true;
        } else if (text[pos] == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!seenDigit) {
        return 0.0;
    }
    std::string_view number = text.substr(start, pos - start);
    if (number.front() == '+') {
        number.remove_prefix(1);  // from_chars takes no plus sign
    }
    double value = 0.0;
    std::from_chars(number.data(), number.data() + number.size(), value);
    return value;
}

}  // namespace verbalo
