#pragma once

#include <memory>

#include "app/cli/byte_streams.h"
#include "app/cli/separator_in_force.h"

namespace verbalo::cli {

// The program's standard streams and the files it opens, as the platform gives them: bytes as
// they are to and from a pipe or a file. On Windows a standard stream that is a console is read
// and written in UTF-16 instead, so that every character shows as typed.
class SystemStreams {
  public:
    SystemStreams();
    ~SystemStreams();
    SystemStreams(const SystemStreams&) = delete;
    SystemStreams& operator=(const SystemStreams&) = delete;

    CliStreams Streams() const;

  private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

// What the system says of the user's decimal separator: on Windows the regional settings, on
// POSIX the locale of LC_NUMERIC (which is put back to "C" before it returns).
SystemNumberFormat ReadSystemNumberFormat();

}  // namespace verbalo::cli
