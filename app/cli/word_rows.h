#pragma once

#include "app/cli/buffered_output.h"
#include "app/cli/cli_options.h"
#include "app/cli/line_input.h"
#include "app/cli/reporter.h"
#include "app/cli/styled_wording.h"

namespace verbalo::cli {

// The --column mode: each row of the input is written back as it was read, then the delimiter
// and the wording of its amount column, then its own line end. The wording goes in one column
// for the whole file, after the fields of the first row (the header, which gets the column's
// name instead): a shorter row is padded with empty fields, a longer one is written as it is
// and told on the error stream. An empty or blank amount gives an empty wording; one that
// cannot be worded too, and it is told with its row's number. Empty lines pass as they are, and
// so do, told, a row too long to hold and the rows from a quote left open at the end.
void WordRows(const RowOptions& options, const StyledWording& wording, LineInput& lines,
              BufferedOutput& answers, Reporter& reporter);

}  // namespace verbalo::cli
