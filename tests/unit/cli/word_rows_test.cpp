// verbalo-cli --column: delimited rows in, the same rows with the wording of a column out.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/cli_run.h"
#include "tests/support/cli_on_strings.h"
#include "tests/support/wording_reader.h"
#include "wording/word_tables.h"

namespace verbalo::cli {
namespace {

struct RowsRun {
    std::vector<std::string_view> args;
    std::string_view in;
    std::string_view out;
    std::string_view err = "";  // the reports, "verbalo-cli: " left out
};

void PrintTo(const RowsRun& run, std::ostream* os) {
    *os << ::testing::PrintToString(std::string(run.in));
}

class RowsMode : public ::testing::TestWithParam<RowsRun> {};

TEST_P(RowsMode, WritesEachRowBackWithTheWording) {
    const RowsRun& run = GetParam();
    const auto result = testing::RunCliOn(run.args, std::string(run.in), {.decimalSeparator = ","});
    EXPECT_EQ(result.exitCode, run.err.empty() ? kExitOk : kExitBadAmount);
    EXPECT_EQ(result.out, run.out);
    std::string reports = result.err;
    for (std::size_t at = 0; (at = reports.find("verbalo-cli: ", at)) != std::string::npos;) {
        reports.erase(at, 13);
    }
    EXPECT_EQ(reports, run.err);
}

INSTANTIATE_TEST_SUITE_P(
    Options, RowsMode,
    ::testing::Values(
        RowsRun{
            {"--column", "2"}, "Rossi;1234,5\n", "Rossi;1234,5;Milleduecentotrentaquattro / 50\n"},
        RowsRun{{"--column=1", "--delimiter", ","}, "\"1,5\",x\n", "\"1,5\",x,Uno / 50\n"},
        RowsRun{{"--delimiter=\t", "--column", "2", "--separator", "."},
                "a;b\t1,500\n",
                "a;b\t1,500\tMillecinquecento / 00\n"},
        RowsRun{{"--delimiter", "\\t", "--column", "1", "--case", "maiuscolo"},
                "21",
                "21\tVENTUNO / 00"}));

// Each row as it was read, quotes and line ends included; the wording in the column after the
// first row's fields, shorter rows padded to it; empty lines, a longer row and what follows a
// quote left open passing as they are.
INSTANTIATE_TEST_SUITE_P(
    Rows, RowsMode,
    ::testing::Values(
        RowsRun{{"--column", "2"},
                "\"Via\r\nRoma\";5\r\n\"7\";\"7\"\n",
                "\"Via\r\nRoma\";5;Cinque / 00\r\n\"7\";\"7\";Sette / 00\n"},
        RowsRun{{"--column", "2", "--header"},
                "\n\r\nNome;Importo\n\nRossi;5",
                "\n\r\nNome;Importo;Importo in lettere\n\nRossi;5;Cinque / 00"},
        RowsRun{{"--column", "2", "--header"},
                "Nome;Importo\nNome;Importo\n",
                "Nome;Importo;Importo in lettere\nNome;Importo;\n",
                "riga 2: Importo non valido\n"},
        RowsRun{{"--column", "2"},
                "a;abc\n\n\"b\n\";1000000000000\nsolo\n\"\";1;x\n;\"  \"",
                "a;abc;\n\n\"b\n\";1000000000000;\nsolo;;\n\"\";1;x\n;\"  \";",
                "riga 1: Importo non valido\nriga 3: Importo troppo grande: il massimo è "
                "999.999.999.999,99\nriga 5: la riga ha 3 campi, più dei 2 della prima: resta "
                "com'è\n"},
        RowsRun{{"--column", "3"},
                "a;1\nb",
                "a;1;\nb;;",
                "riga 1: la riga non ha la colonna 3\nriga 2: la riga non ha la colonna 3\n"},
        RowsRun{{"--column", "1", "--header"},
                "\"Importo\n21\n",
                "\"Importo\n21\n",
                "riga 1: virgolette non chiuse: la riga e le seguenti restano come sono\n"},
        RowsRun{{"--column", "2"},
                "a;1\n\"b;2\nc;3",
                "a;1;Uno / 00\n\"b;2\nc;3",
                "riga 2: virgolette non chiuse: la riga e le seguenti restano come sono\n"},
        RowsRun{{"--column", "2"},
                "ab\"c;\"1\"\"\"\n;\"1\"2\n",
                "ab\"c;\"1\"\"\";\n;\"1\"2;Dodici / 00\n",
                "riga 1: Importo non valido\n"}));

struct UsageError {
    std::vector<std::string_view> args;
    std::string_view message;
};

class RowsUsage : public ::testing::TestWithParam<UsageError> {};

TEST_P(RowsUsage, IsRefusedWithItsReason) {
    const auto result = testing::RunCliOn(GetParam().args, "21\n", {.decimalSeparator = ","});
    EXPECT_EQ(result.exitCode, kExitUsage);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "verbalo-cli: " + std::string(GetParam().message) +
                              "\nProvare: verbalo-cli --help\n");
}

constexpr std::string_view kColumn = "--column vuole il numero di una colonna, da 1 in su";
constexpr std::string_view kDelimiter = "--delimiter vuole ; oppure , oppure \\t (la tabulazione)";
constexpr std::string_view kNoColumn = "--delimiter e --header si usano solo con --column";
constexpr std::string_view kAlone =
    "--column non si usa insieme a importi da scrivere né a --pasqua";

INSTANTIATE_TEST_SUITE_P(
    Options, RowsUsage,
    ::testing::Values(
        UsageError{{"--column"}, kColumn}, UsageError{{"--column", "0"}, kColumn},
        UsageError{{"--column", "-1"}, kColumn}, UsageError{{"--column", "2x"}, kColumn},
        UsageError{{"--column", "99999999999999999999999"}, kColumn},
        UsageError{{"--column", "2", "--delimiter"}, kDelimiter},
        UsageError{{"--column", "2", "--delimiter", "|"}, kDelimiter},
        UsageError{{"--column", "2", "--delimiter", ";;"}, kDelimiter},
        UsageError{{"--delimiter", ";"}, kNoColumn}, UsageError{{"--header"}, kNoColumn},
        UsageError{{"12", "--column", "1"}, kAlone},
        UsageError{{"--column", "1", "--pasqua", "2024"}, kAlone},
        UsageError{{"--headers", "--column", "1"}, "opzione sconosciuta: --headers"}));

// Property: rows of random fields, each in quotes, come out as they went in, then the
// delimiter and the wording of the amount column, or, for an amount that is not one, an empty
// field and a report naming the row.
TEST(RowsModeProperty, EveryRowComesBackAsItWasWithItsAmountInWords) {
    constexpr std::string_view kPieces[] = {"a",    "7",   ",", ";", "\t",   "\"",   "\r",
                                            "\n",   " ",   "è", "€", "\"\"", "\r\n", "\xEF\xBB\xBF",
                                            "\x80", "\xE8"};
    constexpr std::string_view kDelimiters[] = {";", ",", "\t"};
    static const verbalo::testing::WordingReader wordings(StandardWordTables());
    std::mt19937 random(7);
    for (int run = 0; run < 200; ++run) {
        const char delimiter = kDelimiters[run % 3].front();
        const std::size_t column = 1 + random() % 3;
        const std::size_t width = column + random() % 3;
        std::vector<std::string> rowTexts(1 + random() % 6);
        std::vector<std::string_view> rowEnds;
        std::vector<std::optional<verbalo::testing::WordedAmount>> amounts;
        std::string input;
        for (std::string& text : rowTexts) {
            std::vector<std::string> fields(width);
            for (std::string& field : fields) {
                for (auto piece = random() % 4; piece > 0; --piece) {
                    field += kPieces[random() % std::size(kPieces)];
                }
            }
            auto& amount = amounts.emplace_back();
            if (random() % 4 != 0) {
                amount = {false, random() % 2000000, static_cast<int>(random() % 100)};
                amount->negative = amount->integerPart > 0 && random() % 2 == 0;
                fields[column - 1] = (amount->negative ? "-" : "") +
                                     std::to_string(amount->integerPart) + "," +
                                     std::to_string(100 + amount->cents).substr(1);
            } else {
                fields[column - 1].insert(0, "x");
            }
            for (std::size_t i = 0; i < fields.size(); ++i) {
                std::string quoted = fields[i];
                for (std::size_t at = 0; (at = quoted.find('"', at)) != std::string::npos;) {
                    quoted.insert(at, "\"");
                    at += 2;
                }
                text += (i > 0 ? std::string(1, delimiter) : "") + "\"" + quoted + "\"";
            }
            rowEnds.push_back(random() % 2 == 0 ? "\n" : "\r\n");
            input += text + std::string(rowEnds.back());
        }
        const std::string columnArg = std::to_string(column);
        const std::vector<std::string_view> args{"--column", columnArg, "--delimiter",
                                                 kDelimiters[run % 3]};
        const auto result = testing::RunCliOn(args, input, {.decimalSeparator = ","});

        const std::string context = ::testing::PrintToString(input);
        std::string_view written = result.out;
        std::string reports;
        for (std::size_t i = 0; i < rowTexts.size(); ++i) {
            const std::string kept = rowTexts[i] + delimiter;
            ASSERT_TRUE(written.starts_with(kept)) << context;
            written.remove_prefix(kept.size());
            const std::size_t end = written.find(rowEnds[i]);
            ASSERT_NE(end, std::string_view::npos) << context;
            const std::string_view wording = written.substr(0, end);
            written.remove_prefix(end + rowEnds[i].size());
            if (amounts[i]) {
                EXPECT_EQ(wordings.Read(wording), amounts[i]) << context;
            } else {
                EXPECT_EQ(wording, "") << context;
                reports += "verbalo-cli: riga " + std::to_string(i + 1) + ": Importo non valido\n";
            }
        }
        EXPECT_EQ(written, "") << context;
        EXPECT_EQ(result.err, reports) << context;
        EXPECT_EQ(result.exitCode, reports.empty() ? kExitOk : kExitBadAmount);
    }
}

}  // namespace
}  // namespace verbalo::cli
