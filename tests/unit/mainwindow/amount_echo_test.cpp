#include <gtest/gtest.h>

#include "mainwindow/amount_echo.h"

#include <regex>
#include <string>
#include <vector>

#include "app/cli/styled_wording.h"
#include "wording/amount_text.h"

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

namespace verbalo {
namespace {

// Every text of up to five characters from digits, both separators, a minus sign and a blank.
std::vector<std::string> ShortTexts() {
    constexpr std::string_view kAlphabet = "05.,- ";
    std::vector<std::string> texts = {""};
    for (std::size_t from = 0, length = 1; length <= 5; ++length) {
        const std::size_t to = texts.size();
        for (std::size_t i = from; i < to; ++i) {
            for (const char c : kAlphabet) {
                texts.push_back(texts[i] + c);
            }
        }
        from = to;
    }
    return texts;
}

// What the user sees and what Enter words always agree: the echo formats exactly the texts that
// the reader takes for a number (however large), with the reader's integer part and cents. The
// command line refuses what a reference reader of thousands refuses, and words the rest as before.
TEST(Echo, FormatsExactlyTheTextsTheReaderTakesForANumber) {
    std::vector<std::string> texts = ShortTexts();
    for (const char* pasted : {"1.2.3", "1,2,3", "-12345678901234", "-99999999999999", "1.2.3,45",
                               "123456789012345", "  1.234 ", "--5", "5-", "1,2.3"}) {
        texts.emplace_back(pasted);
    }
    for (const char separator : {',', '.'}) {
        const std::regex thousands(std::string("\\s*-?\\d{1,3}(") +
                                   (separator == ',' ? "\\." : ",") + "\\d{3})+(\\" + separator +
                                   "\\d*)?\\s*");
        cli::CliOptions options;
        options.caseStyle = 2;  // as composed
        const cli::StyledWording commandLine(options, separator);
        WordingBuffer room;
        for (const std::string& text : texts) {
            const auto composed = ComposeWording(StandardWordTables(), text, separator);
            const auto said = commandLine.Compose(text, room);
            if (text.contains(GroupingFor(separator)) && !std::regex_match(text, thousands)) {
                EXPECT_FALSE(said.has_value()) << '"' << text << '"';
            } else {
                EXPECT_EQ(said ? std::string_view(room.data(), *said) : ErrorMessage(said.error()),
                          composed ? composed->wording : ErrorMessage(composed.error()))
                    << '"' << text << '"';
            }
            const std::string echo = FormatAmount(text, separator);
            const auto read = ReadAmountOfAnySize(text, separator);
            const auto worded = ReadAmount(text, separator);
            EXPECT_EQ(!worded && worded.error() == WordingError::InvalidAmount,
                      !read && read.error() == WordingError::InvalidAmount)
                << '"' << text << '"';
            if (!read) {
                EXPECT_EQ(echo, WithoutGrouping(text, separator)) << '"' << text << '"';
                continue;
            }
            const auto shown = ReadAmountOfAnySize(echo, separator);
            ASSERT_TRUE(shown.has_value()) << '"' << text << "\" echoes \"" << echo << '"';
            EXPECT_EQ(shown->integerPart, read->integerPart) << '"' << text << '"';
            EXPECT_EQ(shown->cents, read->cents) << '"' << text << '"';
            EXPECT_EQ(shown->IsNegativeToTheCent(), read->IsNegativeToTheCent()) << text;
        }
    }
}

TEST(Echo, FormatsANegativeAmountTooLargeToWord) {
    EXPECT_EQ(FormatAmount("-12345678901234", ','), "-12.345.678.901.234,00");
    EXPECT_EQ(FormatAmount("12345678901234.5", '.'), "12,345,678,901,234.50");
}

}  // namespace
}  // namespace verbalo
