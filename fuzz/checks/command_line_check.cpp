#include <algorithm>
#include <chrono>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli/cli_run.h"
#include "app/cli/delimited_rows.h"
#include "fuzz/checks/fuzz_checks.h"
#include "fuzz/checks/require.h"
#include "tests/support/wording_reader.h"
#include "wording/word_tables.h"

namespace verbalo::fuzz {
namespace {

constexpr char kArgumentEnd = '\0';
constexpr char kStandardInputStart = '\x01';

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        lines.push_back(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return lines;
}

// "dd/mm/yyyy\n", a Sunday from 22 March to 25 April.
bool IsAnEasterSunday(std::string_view out) {
    using namespace std::chrono;
    const auto number = [&](std::size_t at, std::size_t digits) {
        int value = 0;
        for (std::size_t i = at; i < at + digits; ++i) {
            if (out[i] < '0' || out[i] > '9') {
                return -1;
            }
            value = value * 10 + (out[i] - '0');
        }
        return value;
    };
    if (out.size() != 11 || out[2] != '/' || out[5] != '/' || out[10] != '\n') {
        return false;
    }
    const year_month_day date{year{number(6, 4)}, month{static_cast<unsigned>(number(3, 2))},
                              day{static_cast<unsigned>(number(0, 2))}};
    const auto y = date.year();
    return date.ok() && weekday{sys_days{date}} == Sunday && date >= y / March / 22 &&
           date <= y / April / 25;
}

// The --column mode: each row of the input comes out with the same fields and one more, which is
// a wording or, for a reported row (a header row aside), empty.
void CheckRows(const cli::RowOptions& rows, std::string_view input, const std::string& written,
               const std::string& told, int code) {
    Require(code == cli::kExitOk || code == cli::kExitBadAmount, "a rows run exits 0 or 1");
    Require((code == cli::kExitOk) == told.empty(), "exactly the bad rows are told");
    for (const std::string_view line : Lines(told)) {
        Require(line.starts_with("verbalo-cli: riga "), "a report names its row");
    }
    static const testing::WordingReader reader(StandardWordTables());
    std::istringstream inputRows{std::string(input)};
    std::istringstream writtenRows{written};
    cli::RecordReader given(inputRows.rdbuf(), rows.delimiter);
    cli::RecordReader back(writtenRows.rdbuf(), rows.delimiter);
    cli::Record in;
    cli::Record out;
    bool headerAhead = rows.header;
    while (given.Next(in)) {
        Require(back.Next(out), "every row comes out");
        if (in.fields.empty()) {
            Require(out.fields.empty() && out.lineEnd == in.lineEnd, "an empty line passes");
            continue;
        }
        Require(out.fields.size() == in.fields.size() + 1, "a row gets one field more");
        Require(std::equal(in.fields.begin(), in.fields.end(), out.fields.begin()),
                "a row keeps its fields");
        Require(in.unclosedQuote || out.lineEnd == in.lineEnd, "a row keeps its line end");
        Require(
            headerAhead || out.fields.back().empty() || reader.Read(out.fields.back()).has_value(),
            "the field added is a wording or empty");
        headerAhead = false;
    }
    Require(!back.Next(out), "no row comes out that did not go in");
}

}  // namespace

// The first byte's lowest bit chooses the system's separator. Up to the first byte 1 come the
// arguments, each ended by a NUL byte; after it, standard input.
void CheckCommandLine(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return;
    }
    const char systemSeparator = (data[0] & 1) != 0 ? '.' : ',';
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t inputStart = std::min(bytes.find(kStandardInputStart), bytes.size());
    std::vector<std::string_view> args;
    for (std::string_view rest = bytes.substr(0, inputStart); !rest.empty();) {
        const std::size_t end = std::min(rest.find(kArgumentEnd), rest.size());
        args.push_back(rest.substr(0, end));
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    std::istringstream in{std::string(bytes.substr(std::min(inputStart + 1, bytes.size())))};
    std::ostringstream out;
    std::ostringstream err;

    const int code = cli::RunCli(args, {.decimalSeparator = {systemSeparator}}, in, out, err);
    const std::string written = out.str();
    const std::string told = err.str();

    const auto options = cli::ParseCommandLine(args);
    Require(options.has_value() == (code != cli::kExitUsage),
            "usage errors, and only they, exit 2");
    if (!options) {
        Require(written.empty() && !told.empty(), "a usage error is told on standard error");
        return;
    }
    if (options->showHelp || options->showVersion) {
        Require(code == cli::kExitOk && !written.empty(), "help and version are told");
        return;
    }
    if (options->easterYear) {
        Require(code == cli::kExitOk ? IsAnEasterSunday(written) : written.empty(),
                "the date of Easter is a Sunday from 22 March to 25 April, or none is told");
        return;
    }
    if (options->rows) {
        CheckRows(*options->rows, in.str(), written, told, code);
        return;
    }
    Require(code == cli::kExitOk || code == cli::kExitBadAmount, "a wording run exits 0 or 1");
    Require((code == cli::kExitOk) == told.empty(), "exactly the bad amounts are told");
    static const testing::WordingReader reader(StandardWordTables());
    for (const std::string_view line : Lines(written)) {
        Require(reader.Read(line).has_value(), "every line written is a wording");
    }
}

}  // namespace verbalo::fuzz
