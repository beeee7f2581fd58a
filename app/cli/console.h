#pragma once

#include <memory>

#include "app/cli/separator_in_force.h"

namespace verbalo::cli {

// While it lives, std::cin, std::cout and std::cerr carry the program's UTF-8 text with "\n"
// line ends, byte for byte to and from a pipe or a file. On Windows a stream that is a console
// is read and written in UTF-16 instead, so every character shows as typed. Its end flushes
// the streams and gives them back their own buffers.
class ConsoleStreams {
  public:
    ConsoleStreams();
    ~ConsoleStreams();
    ConsoleStreams(const ConsoleStreams&) = delete;
    ConsoleStreams& operator=(const ConsoleStreams&) = delete;

  private:
    struct Consoles;
    std::unique_ptr<Consoles> consoles_;
};

// What the system says of the user's decimal separator: on Windows the regional settings, on
// POSIX the locale of LC_NUMERIC (which is put back to "C" before it returns).
SystemNumberFormat ReadSystemNumberFormat();

}  // namespace verbalo::cli
