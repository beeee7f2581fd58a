#pragma once

#include <optional>
#include <string>

namespace verbalo::cli {

// What the system says of the user's decimal separator, as its adapter read it.
struct SystemNumberFormat {
    enum class Origin {
        WindowsSetting,  // the user's regional settings
        PosixLocale,     // setlocale(LC_NUMERIC, "")
    };
    Origin origin = Origin::WindowsSetting;
    std::string decimalSeparator{};  // UTF-8, as given; empty when the system gave none
    std::string localeName{};        // POSIX: the locale loaded, or asked for when it did not load
    bool localeLoaded = true;        // POSIX: setlocale succeeded
};

// Where the separator in force comes from.
enum class SeparatorSource {
    Option,           // --separator
    WindowsSetting,   // the user's regional settings on Windows
    UserLocale,       // the user's locale on POSIX
    CLocale,          // the C or POSIX locale: no user's locale at all, so ','
    LocaleNotLoaded,  // a locale that setlocale cannot load, so ','
    OtherCharacter,   // the system's separator is neither ',' nor '.', so ','
};

struct SeparatorInForce {
    char separator = ',';
    SeparatorSource source = SeparatorSource::Option;
    std::string localeName{};  // POSIX: the locale that decided, for the help
};

// The option when given; else the system's ',' or '.' where it names one; else ',', the
// convention of the amounts this program words.
SeparatorInForce ChooseSeparator(std::optional<char> option, const SystemNumberFormat& system);

// The help's line: "Separatore decimale in uso: , (dal locale it_IT.UTF-8)\n".
std::string SeparatorInForceLine(const SeparatorInForce& inForce);

}  // namespace verbalo::cli
