#pragma once

#include <memory>

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

// The decimal separator of the user's regional settings: ',' or '.'.
char SystemDecimalSeparator();

}  // namespace verbalo::cli
