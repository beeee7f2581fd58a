#include "app/cli/cli_options.h"

#include <array>
#include <utility>

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

}  // namespace

std::expected<CliOptions, std::string> ParseCommandLine(std::span<const std::string_view> args) {
    CliOptions options;
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
        } else if (arg.starts_with("--case")) {
            const auto value = OptionValue(args, i, "--case");
            const auto style = value ? CaseStyleByName(*value) : std::nullopt;
            if (!style) {
                return std::unexpected(
                    "--case vuole maiuscolo, minuscolo o iniziali (oppure 0, 1, 2)");
            }
            options.caseStyle = *style;
        } else if (arg.starts_with("--separator")) {
            const auto value = OptionValue(args, i, "--separator");
            if (!value || (*value != "," && *value != ".")) {
                return std::unexpected("--separator vuole , oppure .");
            }
            options.separator = value->front();
        } else {
            return std::unexpected("opzione sconosciuta: " + std::string(arg));
        }
    }
    return options;
}

}  // namespace verbalo::cli
