#include <string>
#include <string_view>

#include "fuzz/checks/fuzz_checks.h"
#include "fuzz/checks/require.h"
#include "mainwindow/amount_echo.h"
#include "tests/support/wording_reader.h"
#include "wording/compose_wording.h"
#include "wording/letter_case.h"

namespace verbalo::fuzz {
namespace {

using testing::WordedAmount;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Capitalised ASCII words with no blank between them, then " / " and two digits.
bool HasWordingShape(std::string_view wording) {
    if (wording.size() < 5) {
        return false;
    }
    const std::string_view words = wording.substr(0, wording.size() - 5);
    const std::string_view cents = wording.substr(words.size());
    for (std::size_t i = 0; i < words.size(); ++i) {
        const bool capital = words[i] >= 'A' && words[i] <= 'Z';
        const bool small = words[i] >= 'a' && words[i] <= 'z';
        if (!capital && !(small && i > 0)) {
            return false;
        }
    }
    return cents.starts_with(" / ") && IsDigit(cents[3]) && IsDigit(cents[4]);
}

// The echo of an amount, built from what its wording says: "-1.234,50".
std::string EchoOf(const WordedAmount& amount, char separator) {
    const std::string digits = std::to_string(amount.integerPart);
    std::string echo = amount.negative ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            echo += GroupingFor(separator);
        }
        echo += digits[i];
    }
    echo += separator;
    echo += static_cast<char>('0' + amount.cents / 10);
    echo += static_cast<char>('0' + amount.cents % 10);
    return echo;
}

}  // namespace

void CheckAmountText(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return;
    }
    const char separator = (data[0] & 1) != 0 ? '.' : ',';
    const auto style = static_cast<std::int16_t>((data[0] >> 1) % 4);  // 3 names no style
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    const WordTables& tables = StandardWordTables();
    static const testing::WordingReader reader(tables);
    const auto amount = ReadAmount(text, separator);
    const auto composed = ComposeWording(tables, text, separator);
    const std::string echo = FormatAmount(text, separator);
    Require(amount.has_value() == composed.has_value(), "the reader and the composer agree");
    if (!amount) {
        Require(composed.error() == amount.error(), "the composer gives the reader's error");
        if (amount.error() == WordingError::InvalidAmount) {
            Require(echo == WithoutGrouping(text, separator),
                    "the echo of a text that is no number is the text without grouping");
        }
        return;
    }

    const std::string& wording = composed->wording;
    Require(HasWordingShape(wording), "a wording is capitalised words, \" / \" and two digits");
    const auto said = reader.Read(wording);
    Require(said.has_value(), "the wording reads back");
    Require(
        *said == WordedAmount{amount->IsNegativeToTheCent(), amount->integerPart, amount->cents},
        "the wording says the amount: its sign, integer part and cents");
    Require(echo == EchoOf(*said, separator), "the echo shows the amount that the wording says");

    const auto styled = ApplyCaseStyle(wording, style);
    Require(styled.has_value() == (style <= 2), "the three styles, and no other");
    if (styled) {
        Require(reader.Read(*styled) == said, "a styled wording says the same amount");
    }
}

}  // namespace verbalo::fuzz
