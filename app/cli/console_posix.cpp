#include <clocale>

#include "app/cli/console.h"

namespace verbalo::cli {

void PrepareConsole() {}

char SystemDecimalSeparator() {
    std::setlocale(LC_NUMERIC, "");
    const std::lconv* conventions = std::localeconv();
    const char separator =
        conventions && conventions->decimal_point ? conventions->decimal_point[0] : '.';
    std::setlocale(LC_NUMERIC, "C");
    return separator == ',' ? ',' : '.';
}

}  // namespace verbalo::cli
