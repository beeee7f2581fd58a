#include "app/cli/cli_options.h"

#include <array>
#include <charconv>
#include <string>
#include <utility>

#include "app/cli/console_texts.h"

namespace verbalo::cli {
namespace {

std::optional<std::int16_t> CaseStyleByName(std::string_view name) {
    static constexpr std::array<std::pair<std::string_view, std::int16_t>, 6> kNames = {
        {{"maiuscolo", 0}, {"minuscolo", 1}, {"iniziali", 2}, {"0", 0}, {"1", 1}, {"2", 2}}};
    for (const auto& [candidate, style] : kNames) {
        if (candidate == name) {
            return style;
        }
    }
    return std::nullopt;
}

bool LooksLikeNegativeAmount(std::string_view arg) {
    return arg.size() >= 2 && arg[0] == '-' &&
           ((arg[1] >= '0' && arg[1] <= '9') || arg[1] == ',' || arg[1] == '.');
}

// "--name value" or "--name=value"; advances index past a separate value.
std::optional<std::string_view> OptionValue(std::span<const std::string_view> args,
                                            std::size_t& index, std::string_view name) {
    const std::string_view arg = args[index];
    if (arg.size() > name.size() && arg.starts_with(name) && arg[name.size()] == '=') {
        return arg.substr(name.size() + 1);
    }
    if (index + 1 < args.size()) {
        return args[++index];
    }
    return std::nullopt;
}

// "--name" alone or "--name=value", not a longer option that starts the same.
bool IsOption(std::string_view arg, std::string_view name) {
    return arg.starts_with(name) && (arg.size() == name.size() || arg[name.size()] == '=');
}

// A column number: decimal digits only, from 1.
std::optional<std::size_t> ParseColumn(std::string_view text) {
    std::size_t column = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), column);
    if (error != std::errc{} || end != text.data() + text.size() || column == 0) {
        return std::nullopt;
    }
    return column;
}

// ";" and "," stand for themselves; a tab is given as itself or as the two characters "\t".
std::optional<char> DelimiterByName(std::string_view name) {
    if (name == ";" || name == "," || name == "\t") {
        return name.front();
    }
    if (name == "\\t") {
        return '\t';
    }
    return std::nullopt;
}

// A year as digits with an optional sign and an optional fraction after "," or "."; no exponent,
// no blanks, no "nan" or "inf".
std::optional<double> ParseYear(std::string_view text) {
    std::string plain(text);
    std::size_t position = plain.starts_with('-') || plain.starts_with('+') ? 1 : 0;
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    const std::size_t integerStart = position;
    while (position < plain.size() && isDigit(plain[position])) {
        ++position;
    }
    if (position == integerStart) {
        return std::nullopt;
    }
    if (position < plain.size() && (plain[position] == ',' || plain[position] == '.')) {
        plain[position] = '.';
        const std::size_t fractionStart = ++position;
        while (position < plain.size() && isDigit(plain[position])) {
            ++position;
        }
        if (position == fractionStart) {
            return std::nullopt;
        }
    }
    if (position != plain.size()) {
        return std::nullopt;
    }
    const std::size_t numberStart = plain.starts_with('+') ? 1 : 0;
    double year = 0.0;
    const auto [end, error] =
        std::from_chars(plain.data() + numberStart, plain.data() + plain.size(), year);
    if (error != std::errc{} || end != plain.data() + plain.size()) {
        return std::nullopt;
    }
    return year;
}

}  // namespace

std::expected<CliOptions, std::string> ParseCommandLine(std::span<const std::string_view> args) {
    CliOptions options;
    std::optional<std::size_t> column;
    std::optional<char> delimiter;
    bool header = false;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (optionsEnded || !arg.starts_with('-') || LooksLikeNegativeAmount(arg)) {
            options.amounts.emplace_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            options.showHelp = true;
        } else if (arg == "--version") {
            options.showVersion = true;
        } else if (IsOption(arg, "--case")) {
            const auto value = OptionValue(args, i, "--case");
            const auto style = value ? CaseStyleByName(*value) : std::nullopt;
            if (!style) {
                return std::unexpected(std::string(texts::kCaseOptionWants));
            }
            options.caseStyle = *style;
        } else if (IsOption(arg, "--separator")) {
            const auto value = OptionValue(args, i, "--separator");
            if (!value || (*value != "," && *value != ".")) {
                return std::unexpected(std::string(texts::kSeparatorOptionWants));
            }
            options.separator = value->front();
        } else if (IsOption(arg, "--pasqua")) {
            const auto value = OptionValue(args, i, "--pasqua");
            const auto year = value ? ParseYear(*value) : std::nullopt;
            if (!year) {
                return std::unexpected(std::string(texts::kEasterOptionWants));
            }
            options.easterYear = *year;
        } else if (IsOption(arg, "--column")) {
            const auto value = OptionValue(args, i, "--column");
            column = value ? ParseColumn(*value) : std::nullopt;
            if (!column) {
                return std::unexpected(std::string(texts::kColumnOptionWants));
            }
        } else if (IsOption(arg, "--delimiter")) {
            const auto value = OptionValue(args, i, "--delimiter");
            delimiter = value ? DelimiterByName(*value) : std::nullopt;
            if (!delimiter) {
                return std::unexpected(std::string(texts::kDelimiterOptionWants));
            }
        } else if (IsOption(arg, "--input")) {
            const auto value = OptionValue(args, i, "--input");
            if (!value || value->empty()) {
                return std::unexpected(std::string(texts::kInputOptionWants));
            }
            options.inputPath = std::string(*value);
        } else if (IsOption(arg, "--output")) {
            const auto value = OptionValue(args, i, "--output");
            if (!value || value->empty()) {
                return std::unexpected(std::string(texts::kOutputOptionWants));
            }
            options.outputPath = std::string(*value);
        } else if (arg == "--header") {
            header = true;
        } else {
            return std::unexpected(std::string(texts::kUnknownOption) + std::string(arg));
        }
    }
    if (options.easterYear && !options.amounts.empty()) {
        return std::unexpected(std::string(texts::kEasterWithAmounts));
    }
    if (options.inputPath && (options.easterYear || !options.amounts.empty())) {
        return std::unexpected(std::string(texts::kInputWithAmounts));
    }
    if (column) {
        if (options.easterYear || !options.amounts.empty()) {
            return std::unexpected(std::string(texts::kColumnWithAmounts));
        }
        options.rows = RowOptions{.column = *column, .header = header};
        if (delimiter) {
            options.rows->delimiter = *delimiter;
        }
    } else if (delimiter || header) {
        return std::unexpected(std::string(texts::kRowOptionsWantColumn));
    }
    return options;
}

}  // namespace verbalo::cli
