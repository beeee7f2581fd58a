#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <expected>
#include <random>
#include <string>

#include "wording/amount_text.h"

namespace verbalo {
namespace {

struct ReadCase {
    std::string_view text;
    bool negative;
    std::uint64_t integerPart;
    int cents;
};

class ReadAmountExactly : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadAmountExactly, RoundsToTheCentHalfAwayFromZero) {
    const auto amount = ReadAmount(GetParam().text, ',');
    ASSERT_TRUE(amount.has_value()) << GetParam().text;
    EXPECT_EQ(amount->negative, GetParam().negative);
    EXPECT_EQ(amount->integerPart, GetParam().integerPart);
    EXPECT_EQ(amount->cents, GetParam().cents);
}

// Values that binary floating point holds inexactly (1,005 is 1,00499999...) still round up.
INSTANTIATE_TEST_SUITE_P(Texts, ReadAmountExactly,
                         testing::Values(ReadCase{"1,005", false, 1, 1},
                                         ReadCase{"2,675", false, 2, 68},
                                         ReadCase{"0,285", false, 0, 29},
                                         ReadCase{"-0,125", true, 0, 13},
                                         ReadCase{"999999999999,994", false, 999999999999, 99},
                                         ReadCase{"000000000000000042", false, 42, 0},
                                         ReadCase{"1.000.000,10", false, 1000000, 10}));

TEST(ReadAmount, TheValueIsTheSignedUnroundedAmount) {
    EXPECT_DOUBLE_EQ(ReadAmount("-5,25", ',')->value, -5.25);
    EXPECT_DOUBLE_EQ(ReadAmount("0,995", ',')->value, 0.995);
    EXPECT_DOUBLE_EQ(ReadAmount("123456789012", ',')->value, 123456789012.0);
    // Both conversions, the short exact one and the general one, give the nearest double.
    EXPECT_EQ(ReadAmount("0,1", ',')->value, 0.1);
    EXPECT_EQ(ReadAmount("999999999999,99", ',')->value, 999999999999.99);
    EXPECT_EQ(ReadAmount("1,0000000000000000000001", ',')->value, 1.0);
    EXPECT_EQ(ReadAmount("123456789,123456789", ',')->value, 123456789.123456789);
}

TEST(ReadAmount, ThirteenSignificantDigitsAreTooLarge) {
    EXPECT_EQ(ReadAmount("1234567890123", ',').error(), WordingError::AmountTooLarge);
    EXPECT_EQ(ReadAmount(std::string(400, '9'), ',').error(), WordingError::AmountTooLarge);
}

TEST(ReadAmount, NegativeZeroIsNotNegativeToTheCent) {
    EXPECT_FALSE(ReadAmount("-0,004", ',')->IsNegativeToTheCent());
    EXPECT_TRUE(ReadAmount("-0,005", ',')->IsNegativeToTheCent());
}

}  // namespace
}  // namespace verbalo

namespace verbalo {
namespace {

// A reader written the plain way, for comparison: take out the grouping characters, trim the
// blanks, then match "[-]digits[<separator>digits]" and let strtod give the value.
std::expected<ExactAmount, WordingError> ReadPlainly(std::string_view text, char separator) {
    std::string plain = WithoutGrouping(text, separator);
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!plain.empty() && blank(plain.back())) {
        plain.pop_back();
    }
    std::size_t at = 0;
    while (at < plain.size() && blank(plain[at])) {
        ++at;
    }
    ExactAmount amount;
    amount.negative = at < plain.size() && plain[at] == '-';
    at += amount.negative ? 1 : 0;
    const auto digitsFrom = [&](std::size_t from) {
        std::size_t end = from;
        while (end < plain.size() && plain[end] >= '0' && plain[end] <= '9') {
            ++end;
        }
        return plain.substr(from, end - from);
    };
    std::string integer = digitsFrom(at);
    at += integer.size();
    std::string fraction;
    if (at < plain.size() && plain[at] == separator) {
        fraction = digitsFrom(++at);
        at += fraction.size();
    }
    if (at != plain.size() || integer.size() + fraction.size() == 0) {
        return std::unexpected(WordingError::InvalidAmount);
    }
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size()));
    if (integer.size() > kMaxAmountDigits) {
        return std::unexpected(WordingError::AmountTooLarge);
    }
    amount.integerPart = integer.empty() ? 0 : std::stoull(integer);
    amount.value = std::strtod(("0" + integer + "." + fraction + "0").c_str(), nullptr);
    amount.value = amount.negative ? -amount.value : amount.value;
    fraction += "000";
    amount.cents = (fraction[0] - '0') * 10 + (fraction[1] - '0') + (fraction[2] >= '5' ? 1 : 0);
    if (amount.cents == 100) {
        amount.cents = 0;
        ++amount.integerPart;
    }
    return amount;
}

void ExpectSameReading(std::string_view text, char separator) {
    const auto read = ReadAmountOfAnySize(text, separator);
    const auto plain = ReadPlainly(text, separator);
    ASSERT_EQ(read.has_value(), plain.has_value()) << '"' << text << "\" " << separator;
    if (!read) {
        EXPECT_EQ(read.error(), plain.error()) << '"' << text << '"';
        return;
    }
    EXPECT_EQ(read->negative, plain->negative) << '"' << text << '"';
    EXPECT_EQ(read->integerPart, plain->integerPart) << '"' << text << '"';
    EXPECT_EQ(read->cents, plain->cents) << '"' << text << '"';
    EXPECT_EQ(read->value, plain->value) << '"' << text << '"';
}

// Every text of up to five characters from digits, signs, both separators and blanks.
TEST(ReadAmountOfAnySize, ReadsEveryShortTextAsThePlainReaderDoes) {
    constexpr std::string_view kAlphabet = "059-,. \t";
    for (const char separator : {',', '.'}) {
        std::string text;
        const auto visit = [&](auto&& self, std::size_t length) -> void {
            ExpectSameReading(text, separator);
            if (length == 5 || testing::Test::HasFailure()) {
                return;
            }
            for (const char c : kAlphabet) {
                text.push_back(c);
                self(self, length + 1);
                text.pop_back();
            }
        };
        visit(visit, 0);
    }
}

// Long numbers, where the value needs the general conversion and the digits count runs out,
// with grouping characters anywhere and now and then one character changed.
TEST(ReadAmountOfAnySize, ReadsLongNumbersAsThePlainReaderDoes) {
    std::mt19937 random(2024);
    const auto digits = [&](std::size_t count, char grouping) {
        std::string text;
        for (std::size_t i = 0; i < count; ++i) {
            text += static_cast<char>('0' + random() % 10);
            if (random() % 4 == 0) {
                text += grouping;
            }
        }
        return text;
    };
    for (int i = 0; i < 20000 && !testing::Test::HasFailure(); ++i) {
        const char separator = i % 2 == 0 ? ',' : '.';
        const char grouping = GroupingFor(separator);
        std::string text = std::string(random() % 2, ' ') + (random() % 2 ? "-" : "") +
                           digits(random() % 24, grouping);
        if (random() % 4 != 0) {
            text += separator + digits(random() % 48, grouping);
        }
        text += std::string(random() % 2, ' ');
        if (!text.empty() && random() % 8 == 0) {
            text[random() % text.size()] = "-,. 7"[random() % 5];
        }
        ExpectSameReading(text, separator);
    }
}

}  // namespace
}  // namespace verbalo
