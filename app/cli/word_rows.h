#pragma once

#include <iosfwd>

#include "app/cli/cli_options.h"

namespace verbalo::cli {

// The --column mode: reads the delimited rows of `in` one at a time and writes each to `out` as
// it came, with the wording of column `options.rows->column` appended as a new last field (the
// header row gets the field's name instead). Empty lines pass through. A row that cannot be
// worded gets an empty field and a line on `err` naming its number and why; every row still
// comes out. Returns kExitOk, or kExitBadAmount when any row was reported.
int WordRows(const CliOptions& options, char systemSeparator, std::istream& in, std::ostream& out,
             std::ostream& err);

}  // namespace verbalo::cli
