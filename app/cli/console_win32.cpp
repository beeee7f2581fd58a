#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "app/cli/console.h"

namespace verbalo::cli {

void PrepareConsole() {
    // Binary streams keep "\n" line ends, as on every other system; the texts are UTF-8.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
}

char SystemDecimalSeparator() {
    wchar_t separator[4] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4) > 0 &&
        separator[0] == L',') {
        return ',';
    }
    return '.';
}

}  // namespace verbalo::cli
