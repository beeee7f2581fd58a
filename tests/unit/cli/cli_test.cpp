#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <vector>

#include "app/cli/cli_run.h"
#include "app/cli/console_texts.h"
#include "resources/version.h"
#include "tests/support/cli_on_strings.h"

// Memory that runs out once: armed, the allocations a test lets happen before one fails.
namespace {
bool gArmed = false;
std::size_t gAllocationsLeft = 0;
bool gRanOut = false;

void* Allocate(std::size_t size) {
    if (gArmed && gAllocationsLeft-- == 0) {
        gArmed = false;
        gRanOut = true;
        return nullptr;
    }
    return std::malloc(size == 0 ? 1 : size);
}
}  // namespace

void* operator new(std::size_t size) {
    if (void* memory = Allocate(size)) {
        return memory;
    }
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return ::operator new(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
// Out of line: seen inlined beside a new-expression, free would look mismatched to the compiler.
[[gnu::noinline]] void operator delete(void* memory) noexcept {
    std::free(memory);
}
[[gnu::noinline]] void operator delete[](void* memory) noexcept {
    std::free(memory);
}
[[gnu::noinline]] void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
[[gnu::noinline]] void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace verbalo::cli {
namespace {

testing::CliRun RunProgram(std::vector<std::string_view> args, std::string_view input = "",
                           const SystemNumberFormat& system = {.decimalSeparator = "."}) {
    return testing::RunCliOn(args, std::string(input), system);
}

TEST(Cli, WordsEachArgumentInStyleOne) {
    const auto result = RunProgram({"1234,5", "--separator", ",", "21000"});
    EXPECT_EQ(result.exitCode, kExitOk);
    EXPECT_EQ(result.out, "Milleduecentotrentaquattro / 50\nVentunomila / 00\n");
    EXPECT_EQ(result.err, "");
}

TEST(Cli, TakesTheSystemSeparatorWhenNoneIsGiven) {
    EXPECT_EQ(RunProgram({"1234,5"}, "", {.decimalSeparator = ","}).out,
              "Milleduecentotrentaquattro / 50\n");
    EXPECT_EQ(RunProgram({"1234.5"}).out, "Milleduecentotrentaquattro / 50\n");
}

// One answer a line, in order, ended as the line was: empty for a refused or blank line.
TEST(Cli, AnswersEachLineOfStandardInputAndNamesTheRefusedOnes) {
    const auto result = RunProgram({"--separator", ","}, "0,995\n-5,25\nabc\r\n \n12\n€ 7");
    EXPECT_EQ(result.exitCode, kExitBadAmount);
    EXPECT_EQ(result.out, "Uno / 00\nMenocinque / 25\n\r\n\nDodici / 00\nSette / 00");
    EXPECT_EQ(result.err, "verbalo-cli: riga 3: \"abc\": Importo non valido\n");
}

// An amount as an argument, a line and a delimited row's field, with each separator: its
// wording, or (none) a refusal that names it and --separator, an empty field and exit status 1.
TEST(Cli, WordsOrRefusesAnAmountNeverGuessesItInEveryMode) {
    for (const std::string_view row :  // "amount separator wording"
         {"1234,5 , Milleduecentotrentaquattro / 50", "1234,5 .", "1.234,50 .",
          "1.234,50 , Milleduecentotrentaquattro / 50",
          "12.345 , Dodicimilatrecentoquarantacinque / 00", "12.345 . Dodici / 35",
          "-1,234.5 . Menomilleduecentotrentaquattro / 50", "1.2.3 ,", "1,,234 .", ",5 .",
          "1.234. ,", "1234.567 ,", "1,234.5 ,"}) {
        const std::string amount(row.substr(0, row.find(' ')));
        const std::string_view separator = row.substr(amount.size() + 1, 1);
        const std::string worded =
            row.size() > amount.size() + 2 ? std::string(row.substr(amount.size() + 3)) : "";
        const std::string refusal = '"' + amount + "\": Separatore delle migliaia fuori posto: " +
                                    std::string(separator == "," ? texts::kGroupingRuleForComma
                                                                 : texts::kGroupingRuleForPoint);
        const std::tuple<testing::CliRun, std::string, std::string> modes[] = {
            {RunProgram({"--separator", separator, amount}), worded + "\n", refusal},
            {RunProgram({"--separator", separator}, amount + "\n"), worded + "\n",
             "riga 1: " + refusal},
            {RunProgram({"--column", "2", "--separator", separator}, "a;" + amount + "\n"),
             "a;" + amount + ";" + worded + "\n", "riga 1: " + refusal}};
        for (const auto& [result, out, err] : modes) {
            EXPECT_EQ(result.out, out) << row;
            EXPECT_EQ(result.err, worded.empty() ? "verbalo-cli: " + err + "\n" : "") << row;
            EXPECT_EQ(result.exitCode, worded.empty() ? kExitBadAmount : kExitOk) << row;
        }
    }
}

// UTF-16 text as bytes, with its byte-order mark.
std::string Utf16(std::u16string_view text, bool bigEndian = false) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const auto low = static_cast<char>(unit & 0xFF);
        const auto high = static_cast<char>(unit >> 8);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

struct InputRun {
    std::vector<std::string_view> args;
    std::string input;
};

// However the input arrives (whole, a byte a read, or in two pieces split at any byte: inside a
// CR LF, a UTF-16 unit or a surrogate pair, between doubled quotes), the answers are the same
// bytes, told the same, with the same exit status.
TEST(Cli, AnswersTheSameHoweverTheInputIsSplit) {
    const std::vector<InputRun> runs = {
        {{"--separator", ","},
         "12\r\n0,5\r\nabc\n\n\xEF\xBB\xBF"
         "7\r"},
        {{"--column", "2", "--header"},
         "Nome;Importo\r\n\"Ro\"\"ssi\";\"1\"\"\"\r\n\"a\r\nb\";7\n"},
        {{"--column", "2"}, "\xEF\xBB\xBFx;5\r\n\"\";\"\"\"\"\r\n;\"7"},
        {{"--column", "2", "--delimiter", "\\t"}, Utf16(u"x\t5\r\n\U0001F600\t7\r\n\xD800\t8")},
        {{"--column", "1", "--delimiter", "\\t"}, Utf16(u"21\r\n\"7\"\"\"\t\u20AC\n", true)},
        {{}, Utf16(u"12\r\n-5\r\n") + "\x01"},
    };
    for (const auto& [args, input] : runs) {
        const testing::CliRun whole = RunProgram(args, input);
        const auto fed = [&](testing::Feed feed) {
            return testing::RunCliOn(args, input, {.decimalSeparator = "."}, feed);
        };
        EXPECT_EQ(fed({.piece = 1}), whole) << ::testing::PrintToString(input);
        for (std::size_t split = 1; split < input.size(); ++split) {
            EXPECT_EQ(fed({.first = split}), whole) << ::testing::PrintToString(input) << split;
        }
    }
}

// What a split cannot show: a line end or a surrogate pair at the end of the 64 KiB block the
// input is read in, and a read that fails after some lines (their answers go out, exit 3).
TEST(Cli, ReadsAcrossItsBlocksAndStopsAtAFailedRead) {
    constexpr std::size_t kBlock = 1 << 16;
    const std::vector<std::string_view> rows = {"--column", "2"};
    const std::vector<std::string_view> tabRows = {"--column", "2", "--delimiter", "\\t"};
    const std::string padding(kBlock - 4, 'x');  // the first row's ";7\r\n" ends the block
    const std::u16string padding16(kBlock / 2 - 2, u'x');
    std::string cannotRead = "verbalo-cli: ";
    cannotRead += texts::kCannotRead;
    cannotRead += texts::kStandardInput;
    cannotRead += '\n';
    const std::vector<std::tuple<InputRun, testing::Feed, testing::CliRun>> table = {
        {{rows, padding + ";7\r\ny;8\n"},
         {},
         {kExitOk, padding + ";7;Sette / 00\r\ny;8;Otto / 00\n", ""}},
        {{rows, padding + "x;7\r\ny;8\n"},
         {},
         {kExitOk, padding + "x;7;Sette / 00\r\ny;8;Otto / 00\n", ""}},
        {{rows, padding.substr(1) + ";7\r\ny;8\n"},
         {},
         {kExitOk, padding.substr(1) + ";7;Sette / 00\r\ny;8;Otto / 00\n", ""}},
        {{tabRows, Utf16(padding16 + u"\U0001F600\t7\r\n")},
         {},
         {kExitOk, Utf16(padding16 + u"\U0001F600\t7\tSette / 00\r\n"), ""}},
        {{{}, "12\n7\n5"},
         {.failsAtEnd = true},
         {kExitInputOutput, "Dodici / 00\nSette / 00\nCinque / 00", cannotRead}},
        {{rows, "a;1\nb;2"},
         {.piece = 3, .failsAtEnd = true},
         {kExitInputOutput, "a;1;Uno / 00\nb;2;Due / 00", cannotRead}},
    };
    for (const auto& [run, feed, expected] : table) {
        EXPECT_EQ(testing::RunCliOn(run.args, run.input, {.decimalSeparator = "."}, feed), expected)
            << run.input.substr(run.input.size() - std::min<std::size_t>(run.input.size(), 20));
    }
}

// Whichever allocation of a run fails, the answers before it are delivered, a message says
// why, and the exit status is 3; the program is never ended by the failure.
TEST(Cli, RunningOutOfMemoryKeepsTheAnswersAndSaysSo) {
    const std::vector<std::pair<std::vector<std::string_view>, std::string>> runs = {
        {{"--separator", ","}, "12\nabc\n" + std::string(100000, '1') + "\n7\n"},
        {{"--column", "2", "--header"}, "a;b\nx;\"1\n2\"\ny;3\nz;\"4"},
        {{"5", "x", "6"}, ""}};
    std::string outOfMemory = "verbalo-cli: ";
    outOfMemory += texts::kOutOfMemory;
    outOfMemory += '\n';
    for (const auto& [args, input] : runs) {
        const testing::CliRun whole = RunProgram(args, input);
        for (std::size_t allowed = 0;; ++allowed) {
            testing::StringSource in(input);
            testing::StringSink out;
            testing::StringSink err;
            testing::NoFiles files;
            out.text.reserve(2 * whole.out.size() + 1000);
            err.text.reserve(2 * whole.err.size() + 1000);
            gAllocationsLeft = allowed;
            gRanOut = false;
            gArmed = true;
            const int code = RunCli(args, {.decimalSeparator = "."}, {in, out, err, files});
            gArmed = false;
            if (!gRanOut) {
                EXPECT_EQ(out.text, whole.out);
                break;
            }
            EXPECT_EQ(code, kExitInputOutput) << allowed;
            EXPECT_TRUE(whole.out.starts_with(out.text)) << allowed;
            EXPECT_TRUE(err.text.ends_with(outOfMemory)) << allowed << err.text;
        }
    }
}

struct StyleOption {
    std::string_view value;
    std::string_view out;
};

class CaseOption : public ::testing::TestWithParam<StyleOption> {};

TEST_P(CaseOption, SelectsTheStyle) {
    EXPECT_EQ(RunProgram({"--case", GetParam().value, "21"}).out, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Names, CaseOption,
                         ::testing::Values(StyleOption{"maiuscolo", "VENTUNO / 00\n"},
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

// Options by whole names; "--" ends them. Told: standard output and error, or the usage error.
TEST(Cli, ReadsOptionsExactly) {
    const std::vector<std::tuple<std::vector<std::string_view>, int, std::string_view>> table = {
        {{"--casex", "0", "1"}, kExitUsage, "opzione sconosciuta: --casex"},
        {{"--pasquax", "2024"}, kExitUsage, "opzione sconosciuta: --pasquax"},
        {{"--case=0", "-5", "-9"}, kExitOk, "MENOCINQUE / 00\nMENONOVE / 00\n"},
        {{"--", "--case"}, kExitBadAmount, "\nverbalo-cli: \"--case\": Importo non valido\n"},
        {{"--separator=;"}, kExitUsage, "--separator vuole , oppure ."},
        {{"--input"}, kExitUsage, "--input vuole il nome di un file"},
        {{"--output="}, kExitUsage, "--output vuole il nome di un file"},
        {{"--input", "a", "5"},
         kExitUsage,
         "--input non si usa insieme a importi da scrivere né a --pasqua"},
        {{"--input", "a", "--output", "a"},
         kExitUsage,
         "--output non può essere il file di --input: le risposte lo cancellerebbero"}};
    for (const auto& [args, exitCode, told] : table) {
        const auto result = RunProgram(args);
        EXPECT_EQ(result.exitCode, exitCode) << told;
        const auto usage = "verbalo-cli: " + std::string(told) + "\nProvare: verbalo-cli --help\n";
        EXPECT_EQ(result.out + result.err, exitCode == kExitUsage ? usage : std::string(told));
    }
}

// The separator in force, from each place it can come from, as the help's last line tells it.
TEST(Cli, HelpSaysWhichSeparatorIsInForceAndWhy) {
    using enum SystemNumberFormat::Origin;
    const auto said = [](SystemNumberFormat system,
                         std::vector<std::string_view> args = {"--help"}) {
        const std::string help = RunProgram(args, "", system).out;
        return help.substr(help.rfind("\nSeparatore decimale in uso: ") + 29);
    };
    EXPECT_EQ(said({.decimalSeparator = "."}),
              ". (dalle impostazioni internazionali di Windows)\n");
    EXPECT_EQ(said({PosixLocale, ".", "en_US.UTF-8"}), ". (dal locale en_US.UTF-8)\n");
    EXPECT_EQ(said({PosixLocale, ".", "C.UTF-8"}), ", (predefinito, perché il locale è C.UTF-8)\n");
    EXPECT_EQ(said({PosixLocale, "", "xx", false}),
              ", (predefinito, perché il locale xx non è disponibile)\n");
    EXPECT_EQ(said({}), ", (predefinito, perché quello del sistema non è , né .)\n");
    EXPECT_EQ(said({}, {"--help", "--separator", ","}), ", (scelto con --separator)\n");
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

class EasterOption : public ::testing::TestWithParam<EasterRun> {};

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
    ::testing::Values(EasterRun{{"--pasqua", "2024"}, kExitOk, "31/03/2024\n", ""},
                      EasterRun{{"--pasqua=1900"}, kExitOk, "15/04/1900\n", ""},
                      EasterRun{{"--pasqua", "2025,5"}, kExitOk, "05/04/2026\n", ""},
                      EasterRun{{"--pasqua", "2024.5"}, kExitOk, "31/03/2024\n", ""},
                      EasterRun{{"--pasqua", "+9999"}, kExitOk, "28/03/9999\n", ""},
                      EasterRun{{"--pasqua", "1899.9"}, kExitNoEasterDate, "", kBefore1900},
                      EasterRun{{"--pasqua", "-5"}, kExitNoEasterDate, "", kBefore1900},
                      EasterRun{
                          {"--pasqua", "10000"},
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
