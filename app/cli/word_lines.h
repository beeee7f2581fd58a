#pragma once

#include <span>
#include <string>

#include "app/cli/buffered_output.h"
#include "app/cli/line_input.h"
#include "app/cli/reporter.h"
#include "app/cli/styled_wording.h"

namespace verbalo::cli {

// The amounts given as arguments: one answer line each, ended by "\n", empty for an amount that
// cannot be worded, which is told on the error stream.
void WordArguments(const StyledWording& wording, std::span<const std::string> amounts,
                   BufferedOutput& answers, Reporter& reporter);

// Each line of the input, one amount: one answer line each, in order, ended as the line was.
// A blank line is answered with an empty line; so is an amount that cannot be worded, and a
// line too long to hold, which are told on the error stream with their line's number.
void WordLines(const StyledWording& wording, LineInput& lines, BufferedOutput& answers,
               Reporter& reporter);

// The message for a line or row longer than kMaxLineBytes.
void TellTooLong(Reporter& reporter, std::size_t row);

}  // namespace verbalo::cli
