#pragma once

#include <span>
#include <string_view>

#include "app/cli/byte_streams.h"
#include "app/cli/cli_options.h"
#include "app/cli/separator_in_force.h"

namespace verbalo::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitBadAmount = 1;
inline constexpr int kExitNoEasterDate = 1;
inline constexpr int kExitUsage = 2;
// The input could not be read, the output could not be written, or memory ran out.
inline constexpr int kExitInputOutput = 3;

// The whole program: parses the arguments, then helps (saying which separator is in force and
// why), tells the version, tells the date of Easter, or words the amounts of the arguments or
// of the input (standard input or --input) with the separator that ChooseSeparator takes from
// the options and `system`. The answers go to standard output, or to the --output file, which
// is put in place only when every answer has been written. Messages go to the error stream.
// Returns kExitOk; kExitBadAmount when an amount, a row or a year was told on the error stream;
// kExitUsage; or kExitInputOutput.
int RunCli(std::span<const std::string_view> args, const SystemNumberFormat& system,
           const CliStreams& streams);

}  // namespace verbalo::cli
