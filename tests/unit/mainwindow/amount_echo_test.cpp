#include <gtest/gtest.h>

#include "mainwindow/amount_echo.h"

namespace verbalo {
namespace {

struct EchoCase {
    std::string_view text;
    char separator;
    std::string_view echo;
};

class Echo : public ::testing::TestWithParam<EchoCase> {};

TEST_P(Echo, FormatsWithGroupsAndTwoDecimals) {
    EXPECT_EQ(FormatAmount(GetParam().text, GetParam().separator), GetParam().echo);
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, Echo,
    ::testing::Values(EchoCase{"1234,5", ',', "1.234,50"}, EchoCase{"1234.5", '.', "1,234.50"},
                      EchoCase{"", ',', ""}, EchoCase{"0", ',', "0,00"},
                      EchoCase{",5", ',', "0,50"}, EchoCase{"-123456789", ',', "-123.456.789,00"},
                      EchoCase{"123456789012", ',', "123.456.789.012,00"},
                      EchoCase{"1.234", ',', "1.234,00"},  // grouping characters are removed first
                      EchoCase{"1.2.3.4", ',', "1.234,00"},
                      EchoCase{"0,125", ',', "0,13"},  // the same rounding as the wording
                      EchoCase{"0,995", ',', "1,00"}, EchoCase{"-0,001", ',', "0,00"},
                      EchoCase{"-", ',', "-"},
                      EchoCase{"1,2,3", ',', "1,2,3"},  // not numbers: unchanged
                      EchoCase{"12-3", ',', "12-3"}, EchoCase{"ab.c", ',', "abc"}));

TEST(Echo, LengthFollowsTheDigitCountAndIsNeverFifteenForAPositiveAmount) {
    std::string digits;
    for (int n = 1; n <= 12; ++n) {
        digits += '9';
        const auto expected = static_cast<std::size_t>(n + (n - 1) / 3 + 3);
        const std::string echo = FormatAmount(digits, ',');
        EXPECT_EQ(echo.size(), expected) << digits;
        EXPECT_NE(echo.size(), 15u) << digits;
    }
}

struct LeadingCase {
    std::string_view text;
    double value;
};

class Leading : public ::testing::TestWithParam<LeadingCase> {};

TEST_P(Leading, ReadsTheNumberAtTheStart) {
    EXPECT_DOUBLE_EQ(LeadingNumber(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, Leading,
                         ::testing::Values(LeadingCase{"1234.5", 1234.5},
                                           LeadingCase{"1234,5", 1234.0}, LeadingCase{"-12", -12.0},
                                           LeadingCase{"", 0.0}, LeadingCase{"   ", 0.0},
                                           LeadingCase{"abc", 0.0}, LeadingCase{"-", 0.0},
                                           LeadingCase{".5", 0.5}, LeadingCase{"1.2.3", 1.2},
                                           LeadingCase{"1234567890123", 1234567890123.0},
                                           LeadingCase{"12a34", 12.0}));

}  // namespace
}  // namespace verbalo
