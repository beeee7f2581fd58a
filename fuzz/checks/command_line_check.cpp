#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "app/cli/cli_run.h"
#include "app/cli/console_texts.h"
#include "fuzz/checks/fuzz_checks.h"
#include "fuzz/checks/require.h"
#include "tests/support/cli_on_strings.h"
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

// A line of a text and its end: "\r\n", "\n" or none.
struct TextLine {
    std::string_view text;
    std::string_view end;
};

std::vector<TextLine> LinesWithEnds(std::string_view text) {
    std::vector<TextLine> lines;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        if (newline == std::string_view::npos) {
            lines.push_back({text, {}});
            break;
        }
        const bool crLf = newline > 0 && text[newline - 1] == '\r';
        lines.push_back({text.substr(0, newline - (crLf ? 1 : 0)), crLf ? "\r\n" : "\n"});
        text.remove_prefix(newline + 1);
    }
    return lines;
}

// The line feeds of UTF-16 text after its mark.
std::size_t Utf16LineFeeds(std::string_view text) {
    const bool bigEndian = text.starts_with("\xFE\xFF");
    std::size_t count = 0;
    for (std::size_t at = 2; at + 1 < text.size(); at += 2) {
        count += text[at + (bigEndian ? 1 : 0)] == '\n' && text[at + (bigEndian ? 0 : 1)] == 0;
    }
    return count;
}

// One answer line for each line of the input, each ended as its line was: a wording or empty;
// with --column, the line as it was read with, at the end of a row, delimiters and a wording,
// nothing, or the header's name. A byte-order mark comes back first; UTF-16 is answered in
// UTF-16, with as many lines.
void CheckPairing(std::string_view input, std::string_view written,
                  const std::optional<cli::RowOptions>& rows) {
    for (const std::string_view mark : {"\xFF\xFE", "\xFE\xFF", "\xEF\xBB\xBF"}) {
        if (input.starts_with(mark)) {
            Require(written.starts_with(mark), "the input's byte-order mark comes back first");
            if (mark.size() == 2) {
                Require(Utf16LineFeeds(written) == Utf16LineFeeds(input),
                        "UTF-16 is answered line for line");
                return;
            }
            input.remove_prefix(mark.size());
            written.remove_prefix(mark.size());
        }
    }
    static const testing::WordingReader reader(StandardWordTables());
    const auto isWordingOrEmpty = [](std::string_view text) {
        return text.empty() || reader.Read(text).has_value();
    };
    const std::vector<TextLine> given = LinesWithEnds(input);
    std::vector<TextLine> answered = LinesWithEnds(written);
    if (!given.empty() && given.back().end.empty() && answered.size() + 1 == given.size()) {
        answered.push_back({});  // an empty answer without an end is no bytes at all
    }
    Require(given.size() == answered.size(), "one answer line for each line of the input");
    for (std::size_t i = 0; i < given.size(); ++i) {
        Require(answered[i].end == given[i].end, "an answer line ends as its line did");
        if (!rows) {
            Require(isWordingOrEmpty(answered[i].text), "a line's answer is a wording or empty");
            continue;
        }
        Require(answered[i].text.starts_with(given[i].text), "a row begins as it was read");
        std::string_view added = answered[i].text.substr(given[i].text.size());
        const std::size_t delimiters =
            std::min(added.find_first_not_of(rows->delimiter), added.size());
        added.remove_prefix(delimiters);
        Require(delimiters > 0 ? isWordingOrEmpty(added) || added == texts::kWordingColumnName
                               : added.empty(),
                "a row gets delimiters and a wording, or nothing");
    }
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
    const std::string input(bytes.substr(std::min(inputStart + 1, bytes.size())));
    const cli::SystemNumberFormat system{.decimalSeparator = {systemSeparator}};
    const testing::CliRun whole = testing::RunCliOn(args, input, system);
    // A byte a read for a short input; a longer one in reads of 61 bytes, which still put the
    // splits at every offset of its line ends, UTF-16 units and quotes across the inputs.
    const std::size_t piece = input.size() <= 512 ? 1 : 61;
    Require(testing::RunCliOn(args, input, system, {.piece = piece}) == whole,
            "the input read in small pieces is answered the same");
    const auto& [code, written, told] = whole;

    const auto options = cli::ParseCommandLine(args);
    if (options && (options->inputPath || options->outputPath)) {
        Require(code == cli::kExitUsage || code == cli::kExitInputOutput,
                "a run without files stops before it reads");
        return;
    }
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
    Require(code == cli::kExitOk || code == cli::kExitBadAmount, "a wording run exits 0 or 1");
    Require((code == cli::kExitOk) == told.empty(), "exactly the bad amounts and rows are told");
    if (!options->amounts.empty()) {
        Require(Lines(written).size() == options->amounts.size(), "one line for each amount");
        for (const std::string_view line : Lines(written)) {
            static const testing::WordingReader reader(StandardWordTables());
            Require(line.empty() || reader.Read(line).has_value(),
                    "every line written is a wording or empty");
        }
        return;
    }
    CheckPairing(input, written, options->rows);
}

}  // namespace verbalo::fuzz
