#include <clocale>
#include <cstdlib>
#include <string>

#include "app/cli/console.h"

namespace verbalo::cli {

// A terminal takes the UTF-8 bytes as they are.
struct ConsoleStreams::Consoles {};

ConsoleStreams::ConsoleStreams() = default;

ConsoleStreams::~ConsoleStreams() = default;

namespace {

// The locale that the environment asks LC_NUMERIC for, in the order setlocale reads it.
std::string AskedLocale() {
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        if (const char* value = std::getenv(variable); value && *value) {
            return value;
        }
    }
    return {};
}

}  // namespace

SystemNumberFormat ReadSystemNumberFormat() {
    SystemNumberFormat format{.origin = SystemNumberFormat::Origin::PosixLocale};
    if (const char* loaded = std::setlocale(LC_NUMERIC, "")) {
        format.localeName = loaded;
        const std::lconv* conventions = std::localeconv();
        if (conventions && conventions->decimal_point) {
            format.decimalSeparator = conventions->decimal_point;
        }
    } else {
        format.localeLoaded = false;
        format.localeName = AskedLocale();
    }
    std::setlocale(LC_NUMERIC, "C");
    return format;
}

}  // namespace verbalo::cli
