#pragma once

#include <cstddef>
#include <cstdint>
#include <expected>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace verbalo::cli {

// --column: the rows of a delimited file, each written back with the wording
// of one of its columns appended.
struct RowOptions {
    std::size_t column = 1;  // counted from 1
    char delimiter = ';';
    bool header = false;  // the first row names the columns
};

struct CliOptions {
    std::int16_t caseStyle = 1;
    std::optional<char> separator;  // none: the user's locale decides
    std::vector<std::string> amounts;
    std::optional<double> easterYear;       // --pasqua: tell the date of Easter instead of wording
    std::optional<RowOptions> rows;         // --column: word a column of the input's rows
    std::optional<std::string> inputPath;   // --input: read this file, not standard input
    std::optional<std::string> outputPath;  // --output: write this file, not standard output
    bool showHelp = false;
    bool showVersion = false;
};

// Parses the arguments after the program name. Options may stand anywhere, each by its whole
// name (no abbreviation, nothing appended but "=value"); an argument that starts with "-"
// followed by a digit or a separator is a (negative) amount, and "--" ends the options. "--pasqua
// ANNO" takes a year in decimal notation (a fraction after "," or "." is allowed) and excludes
// amounts. "--column N" (from 1) excludes both; "--delimiter" (";", ",", a tab or "\t") and
// "--header" need it. "--input FILE" excludes amounts and "--pasqua"; "--output FILE" goes
// with anything. The error text is an Italian usage message.
std::expected<CliOptions, std::string> ParseCommandLine(std::span<const std::string_view> args);

}  // namespace verbalo::cli
