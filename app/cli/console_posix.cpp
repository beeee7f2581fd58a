#include <clocale>

#include "app/cli/console.h"

namespace verbalo::cli {

// A terminal takes the UTF-8 bytes as they are.
struct ConsoleStreams::Consoles {};

ConsoleStreams::ConsoleStreams() = default;

ConsoleStreams::~ConsoleStreams() = default;

char SystemDecimalSeparator() {
    std::setlocale(LC_NUMERIC, "");
    const std::lconv* conventions = std::localeconv();
    const char separator =
        conventions && conventions->decimal_point ? conventions->decimal_point[0] : '.';
    std::setlocale(LC_NUMERIC, "C");
    return separator == ',' ? ',' : '.';
}

}  // namespace verbalo::cli
