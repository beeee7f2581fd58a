#pragma once

#include <iosfwd>

#include "app/cli/cli_options.h"
#include "app/cli/separator_in_force.h"

namespace verbalo::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitBadAmount = 1;
inline constexpr int kExitNoEasterDate = 1;
inline constexpr int kExitUsage = 2;

std::string_view HelpText();
std::string_view VersionText();

// Words each amount of the options, or, when there are none, each line of `in` as it arrives.
// Wordings go to `out`, one a line; a bad amount is reported on `err` and the rest still run.
// Returns kExitOk, or kExitBadAmount when any amount could not be worded.
int WordAmounts(const CliOptions& options, char systemSeparator, std::istream& in,
                std::ostream& out, std::ostream& err);

// Writes Easter Sunday of `year` to `out` as dd/mm/yyyy ("31/03/2024"). A year before 1900 or
// after 9999 gives no date: its message goes to `err`. Returns kExitOk or kExitNoEasterDate.
int TellEaster(double year, std::ostream& out, std::ostream& err);

// The whole program: parses the arguments, then helps (saying which separator is in force and
// why), tells the version, tells the date of Easter or words the amounts with the separator
// that ChooseSeparator takes from the options and `system`.
int RunCli(std::span<const std::string_view> args, const SystemNumberFormat& system,
           std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace verbalo::cli
