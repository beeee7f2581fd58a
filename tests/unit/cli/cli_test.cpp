#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "app/cli/cli_run.h"
#include "resources/version.h"

namespace verbalo::cli {
namespace {

struct CliResult {
    int exitCode;
    std::string out;
    std::string err;
};

CliResult RunProgram(std::vector<std::string_view> args, std::string_view input = "",
                     char systemSeparator = '.') {
    std::istringstream in{std::string(input)};
    std::ostringstream out;
    std::ostringstream err;
    const int code = RunCli(args, {.decimalSeparator = {systemSeparator}}, in, out, err);
    return {code, out.str(), err.str()};
}

TEST(Cli, WordsEachArgumentInStyleOne) {
    const auto result = RunProgram({"1234,5", "--separator", ",", "21000"});
    EXPECT_EQ(result.exitCode, kExitOk);
    EXPECT_EQ(result.out, "Milleduecentotrentaquattro / 50\nVentunomila / 00\n");
    EXPECT_EQ(result.err, "");
}

TEST(Cli, TakesTheSystemSeparatorWhenNoneIsGiven) {
    EXPECT_EQ(RunProgram({"1234,5"}, "", ',').out, "Milleduecentotrentaquattro / 50\n");
    EXPECT_EQ(RunProgram({"1234.5"}, "", '.').out, "Milleduecentotrentaquattro / 50\n");
}

TEST(Cli, WordsStandardInputLineByLineAndReportsBadLines) {
    const auto result = RunProgram({"--separator", ","}, "0,995\n-5,25\nabc\r\n12\n");
    EXPECT_EQ(result.exitCode, kExitBadAmount);
    EXPECT_EQ(result.out, "Uno / 00\nMenocinque / 25\nDodici / 00\n");
    EXPECT_EQ(result.err, "verbalo-cli: \"abc\": Importo non valido\n");
}

struct StyleOption {
    std::string_view value;
    std::string_view out;
};

class CaseOption : public testing::TestWithParam<StyleOption> {};

TEST_P(CaseOption, SelectsTheStyle) {
    EXPECT_EQ(RunProgram({"--case", GetParam().value, "21"}).out, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Names, CaseOption,
                         testing::Values(StyleOption{"maiuscolo", "VENTUNO / 00\n"},
                                         StyleOption{"minuscolo", "Ventuno / 00\n"},
                                         StyleOption{"iniziali", "VentUno / 00\n"},
                                         StyleOption{"0", "VENTUNO / 00\n"},
                                         StyleOption{"2", "VentUno / 00\n"}));

TEST(Cli, NegativeAmountsAreAmountsNotOptions) {
    EXPECT_EQ(RunProgram({"-5.25"}).out, "Menocinque / 25\n");
    EXPECT_EQ(RunProgram({"--", "-5.25"}).out, "Menocinque / 25\n");
}

TEST(Cli, UsageErrorsExitWithTwo) {
    for (const auto& args : std::vector<std::vector<std::string_view>>{
             {"--case", "grassetto"}, {"--separator", ";"}, {"--separator"}, {"--bogus"}}) {
        const auto result = RunProgram(args);
        EXPECT_EQ(result.exitCode, kExitUsage);
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find("--help"), std::string::npos);
    }
}

TEST(Cli, HelpAndVersion) {
    EXPECT_NE(RunProgram({"--help"}).out.find("Uso: verbalo-cli"), std::string::npos);
    EXPECT_EQ(RunProgram({"--version"}).out, "verbalo-cli " VERBALO_VERSION_TEXT "\n");
}

TEST(Cli, TooLargeAmountIsReportedWithItsReason) {
    const auto result = RunProgram({"1000000000000"});
    EXPECT_EQ(result.exitCode, kExitBadAmount);
    EXPECT_EQ(result.err,
              "verbalo-cli: \"1000000000000\": Importo troppo grande: il massimo è "
              "999.999.999.999,99\n");
}

struct EasterRun {
    std::vector<std::string_view> args;
    int exitCode;
    std::string_view out;
    std::string_view err;
};

void PrintTo(const EasterRun& run, std::ostream* os) {
    for (const auto arg : run.args) {
        *os << arg << ' ';
    }
}

class EasterOption : public testing::TestWithParam<EasterRun> {};

TEST_P(EasterOption, TellsTheDateOrWhyNot) {
    const EasterRun& expected = GetParam();
    const auto result = RunProgram(expected.args);
    EXPECT_EQ(result.exitCode, expected.exitCode);
    EXPECT_EQ(result.out, expected.out);
    EXPECT_EQ(result.err, expected.err);
}

constexpr std::string_view kBefore1900 =
    "verbalo-cli: Impossibile determinare il corretto giorno di Pasqua per anni precedenti al "
    "1900.\n";

INSTANTIATE_TEST_SUITE_P(
    Years, EasterOption,
    testing::Values(EasterRun{{"--pasqua", "2024"}, kExitOk, "31/03/2024\n", ""},
                    EasterRun{{"--pasqua=1900"}, kExitOk, "15/04/1900\n", ""},
                    EasterRun{{"--pasqua", "2025,5"}, kExitOk, "05/04/2026\n", ""},
                    EasterRun{{"--pasqua", "2024.5"}, kExitOk, "31/03/2024\n", ""},
                    EasterRun{{"--pasqua", "+9999"}, kExitOk, "28/03/9999\n", ""},
                    EasterRun{{"--pasqua", "1899.9"}, kExitNoEasterDate, "", kBefore1900},
                    EasterRun{{"--pasqua", "-5"}, kExitNoEasterDate, "", kBefore1900},
                    EasterRun{{"--pasqua", "10000"},
                              kExitNoEasterDate,
                              "",
                              "verbalo-cli: Anno oltre il 9999: la data non è rappresentabile\n"}));

TEST(Cli, EasterYearMustBeANumberAlone) {
    for (const auto& args :
         std::vector<std::vector<std::string_view>>{{"--pasqua"},
                                                    {"--pasqua", "abc"},
                                                    {"--pasqua", ""},
                                                    {"--pasqua", "2024x"},
                                                    {"--pasqua", "2e3"},
                                                    {"--pasqua", "nan"},
                                                    {"--pasqua", "2024."},
                                                    {"--pasqua", ",5"},
                                                    {"--pasqua", "2024", "12"}}) {
        const auto result = RunProgram(args);
        EXPECT_EQ(result.exitCode, kExitUsage) << args.back();
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err.find("--help"), std::string::npos);
    }
}

}  // namespace
}  // namespace verbalo::cli
