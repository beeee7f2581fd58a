#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <iostream>
#include <optional>

#include "app/cli/console.h"
#include "app/cli/console_buffers_win32.h"
#include "platform/utf16.h"

namespace verbalo::cli {
namespace {

// One standard stream given a console buffer while it lives; at the end it gets its own buffer
// back, and the console buffer, going, hands over what it still holds.
template <typename Buffer, typename Stream>
class ConsoleStream {
  public:
    ConsoleStream(Stream& stream, HANDLE console)
        : stream_(stream), buffer_(console), own_(stream.rdbuf(&buffer_)) {}
    ~ConsoleStream() { stream_.rdbuf(own_); }
    ConsoleStream(const ConsoleStream&) = delete;
    ConsoleStream& operator=(const ConsoleStream&) = delete;

  private:
    Stream& stream_;
    Buffer buffer_;
    std::streambuf* own_;
};

using ConsoleOutput = ConsoleStream<ConsoleOutputBuffer, std::ostream>;

// The standard handle when it is a console, else nothing.
HANDLE StandardConsole(DWORD which) {
    const HANDLE handle = GetStdHandle(which);
    return IsConsole(handle) ? handle : nullptr;
}

}  // namespace

// The standard handles belong to the process: borrowed, never closed.
struct ConsoleStreams::Consoles {
    std::optional<ConsoleStream<ConsoleInputBuffer, std::istream>> in;
    std::optional<ConsoleOutput> out;
    std::optional<ConsoleOutput> err;
};

ConsoleStreams::ConsoleStreams() : consoles_(std::make_unique<Consoles>()) {
    // Binary streams keep "\n" line ends, as on every other system, and pass UTF-8 unchanged.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    if (const HANDLE console = StandardConsole(STD_INPUT_HANDLE)) {
        consoles_->in.emplace(std::cin, console);
    }
    if (const HANDLE console = StandardConsole(STD_OUTPUT_HANDLE)) {
        consoles_->out.emplace(std::cout, console);
    }
    if (const HANDLE console = StandardConsole(STD_ERROR_HANDLE)) {
        consoles_->err.emplace(std::cerr, console);
    }
}

ConsoleStreams::~ConsoleStreams() = default;

SystemNumberFormat ReadSystemNumberFormat() {
    // LOCALE_SDECIMAL is at most four characters with the terminating null.
    wchar_t separator[4] = {};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, 4);
    const std::u16string_view given(reinterpret_cast<const char16_t*>(separator),
                                    length > 1 ? static_cast<std::size_t>(length - 1) : 0);
    return {.origin = SystemNumberFormat::Origin::WindowsSetting,
            .decimalSeparator = platform::Utf16ToUtf8(given)};
}

}  // namespace verbalo::cli
