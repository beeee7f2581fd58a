#include "app/cli/separator_in_force.h"

#include <string_view>

#include "app/cli/console_texts.h"

namespace verbalo::cli {
namespace {

// "C", "POSIX" and their UTF-8 forms ("C.UTF-8", "C.utf8"): the locale of no user.
bool IsCLocale(std::string_view name) {
    return name.empty() || name == "C" || name == "POSIX" || name.starts_with("C.");
}

}  // namespace

SeparatorInForce ChooseSeparator(std::optional<char> option, const SystemNumberFormat& system) {
    if (option) {
        return {*option, SeparatorSource::Option, {}};
    }
    const bool windows = system.origin == SystemNumberFormat::Origin::WindowsSetting;
    if (!windows && !system.localeLoaded) {
        return {',', SeparatorSource::LocaleNotLoaded, system.localeName};
    }
    if (!windows && IsCLocale(system.localeName)) {
        return {',', SeparatorSource::CLocale, system.localeName};
    }
    if (system.decimalSeparator != "," && system.decimalSeparator != ".") {
        return {',', SeparatorSource::OtherCharacter, {}};
    }
    return {system.decimalSeparator.front(),
            windows ? SeparatorSource::WindowsSetting : SeparatorSource::UserLocale,
            windows ? std::string() : system.localeName};
}

std::string SeparatorInForceLine(const SeparatorInForce& inForce) {
    std::string line(texts::kSeparatorInForce);
    line += inForce.separator;
    switch (inForce.source) {
        case SeparatorSource::Option:
            line += texts::kSeparatorFromOption;
            break;
        case SeparatorSource::WindowsSetting:
            line += texts::kSeparatorFromWindows;
            break;
        case SeparatorSource::UserLocale:
            line += texts::kSeparatorFromLocale;
            line += inForce.localeName;
            break;
        case SeparatorSource::CLocale:
            line += texts::kSeparatorForCLocale;
            line += inForce.localeName;
            break;
        case SeparatorSource::LocaleNotLoaded:
            line += texts::kSeparatorForLocaleNotLoaded;
            line += inForce.localeName;
            line += texts::kSeparatorLocaleNotLoaded;
            break;
        case SeparatorSource::OtherCharacter:
            line += texts::kSeparatorForOtherCharacter;
            break;
    }
    line += ")\n";
    return line;
}

}  // namespace verbalo::cli
