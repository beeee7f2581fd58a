// verbalo-cli --column: delimited rows in, the same rows with the wording of a column out.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/cli_run.h"
#include "app/cli/delimited_rows.h"
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
    std::istringstream in{std::string(run.in)};
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCli(run.args, {.decimalSeparator = ","}, in, out, err),
              run.err.empty() ? kExitOk : kExitBadAmount);
    EXPECT_EQ(out.str(), run.out);
    std::string reports = err.str();
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

INSTANTIATE_TEST_SUITE_P(
    Rows, RowsMode,
    ::testing::Values(
        RowsRun{{"--column", "2"},
                "\"Via\r\nRoma\";5\r\n\"7\";\"7\"\n",
                "\"Via\r\nRoma\";5;Cinque / 00\r\n7;7;Sette / 00\n"},
        RowsRun{{"--column", "2", "--header"},
                "\xEF\xBB\xBF\n\r\nNome\n\nRossi;5",
                "\xEF\xBB\xBF\n\r\nNome;Importo in lettere\n\nRossi;5;Cinque / 00"},
        RowsRun{{"--column", "1"}, "\xEF\xBB\xBF", "\xEF\xBB\xBF"},
        RowsRun{{"--column", "2"},
                "a;abc\n\n\"b\n\";1000000000000\nsolo\n\"\";1",
                "a;abc;\n\n\"b\n\";1000000000000;\nsolo;\n;1;Uno / 00",
                "riga 1: Importo non valido\nriga 3: Importo troppo grande: il massimo è "
                "999.999.999.999,99\nriga 4: la riga non ha la colonna 2\n"},
        RowsRun{{"--column", "1", "--header"},
                "\"Importo\n21\n",
                "\"Importo\n21\n\";Importo in lettere",
                "riga 1: virgolette non chiuse\n"},
        RowsRun{{"--column", "2"},
                "a;1\n\"b;2",
                "a;1;Uno / 00\n\"b;2\";",
                "riga 2: virgolette non chiuse\nriga 2: la riga non ha la colonna 2\n"}));

struct UsageError {
    std::vector<std::string_view> args;
    std::string_view message;
};

class RowsUsage : public ::testing::TestWithParam<UsageError> {};

TEST_P(RowsUsage, IsRefusedWithItsReason) {
    std::istringstream in("21\n");
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCli(GetParam().args, {.decimalSeparator = ","}, in, out, err), kExitUsage);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "verbalo-cli: " + std::string(GetParam().message) +
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

// Property: rows of random fields, each in quotes, come out as the same fields with the wording
// of the amount column after them, or, for an amount that is not one, an empty field and a
// report naming the row.
TEST(RowsModeProperty, EveryRowComesBackWithItsAmountInWords) {
    constexpr std::string_view kPieces[] = {"a",  "7", ",", ";", "\t",   "\"",   "\r",
                                            "\n", " ", "è", "€", "\"\"", "\r\n", kByteOrderMark};
    constexpr std::string_view kDelimiters[] = {";", ",", "\t"};
    static const verbalo::testing::WordingReader wordings(StandardWordTables());
    std::mt19937 random(7);
    for (int run = 0; run < 200; ++run) {
        const char delimiter = kDelimiters[run % 3].front();
        const std::size_t column = 1 + random() % 3;
        std::vector<std::vector<std::string>> rows(1 + random() % 6);
        std::vector<std::optional<verbalo::testing::WordedAmount>> amounts;
        std::string input;
        for (auto& fields : rows) {
            fields.resize(column + random() % 3);
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
                input += (i > 0 ? std::string(1, delimiter) : "") + "\"" + quoted + "\"";
            }
            input += random() % 2 == 0 ? "\n" : "\r\n";
        }
        const std::string columnArg = std::to_string(column);
        const std::vector<std::string_view> args{"--column", columnArg, "--delimiter",
                                                 kDelimiters[run % 3]};
        std::istringstream in(input);
        std::ostringstream out;
        std::ostringstream err;
        const int code = RunCli(args, {.decimalSeparator = ","}, in, out, err);

        const std::string context = ::testing::PrintToString(input);
        std::istringstream written(out.str());
        RecordReader rowsOut(written.rdbuf(), delimiter);
        Record record;
        std::string reports;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            ASSERT_TRUE(rowsOut.Next(record)) << context;
            ASSERT_EQ(record.fields.size(), rows[i].size() + 1) << context;
            const std::string wording = record.fields.back();
            record.fields.pop_back();
            EXPECT_EQ(record.fields, rows[i]) << context;
            if (amounts[i]) {
                EXPECT_EQ(wordings.Read(wording), amounts[i]) << context;
            } else {
                EXPECT_EQ(wording, "") << context;
                reports += "verbalo-cli: riga " + std::to_string(i + 1) + ": Importo non valido\n";
            }
        }
        EXPECT_FALSE(rowsOut.Next(record)) << context;
        EXPECT_EQ(err.str(), reports) << context;
        EXPECT_EQ(code, reports.empty() ? kExitOk : kExitBadAmount);
    }
}

}  // namespace
}  // namespace verbalo::cli
