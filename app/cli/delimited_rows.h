#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/cli/buffered_output.h"
#include "app/cli/line_input.h"

// Rows of delimited text, as spreadsheets export them: fields separated by one delimiter
// character, and a field may be enclosed in double quotes, inside which "" is a quote and the
// delimiter, CR and LF are plain text. A quote that does not open a field is plain text, and so
// is what follows a field's closing quote before the next delimiter. A row is kept as the bytes
// it was read as; of its fields only their number and one column's text are taken out.
namespace verbalo::cli {

struct Row {
    enum class Kind {
        Fields,         // a row of one field or more
        Empty,          // an empty line: no field
        UnclosedQuote,  // the input ended inside a quoted field: `text` is all from the row on
        TooLong,        // longer than kMaxLineBytes: not held, its bytes already passed on
    };
    Kind kind = Kind::Empty;
    std::string_view text;  // as read, without its line end; a field's line ends are in it
    std::string_view end;   // "\r\n", "\n", or "" after a last row that has none
    std::size_t fields = 0;
    // The text of the column asked for, its quotes taken off; none when the row is shorter.
    std::optional<std::string_view> cell;
};

// Reads rows one at a time; a row takes as many lines as its quoted fields span. Only the row
// being read is held, up to kMaxLineBytes: the bytes of a longer row go to `passOn` as they
// are read, and reading goes on at the next line.
class RowReader {
  public:
    // `column` counted from 1.
    RowReader(LineInput& lines, char delimiter, std::size_t column, BufferedOutput& passOn);

    // The next row into `row`, valid until the next call; false at the end of the input.
    bool Next(Row& row);

  private:
    void StartRow(std::string_view text);
    // Goes on reading the row's fields in `text` (the row so far) from `from`.
    void ScanFields(std::string_view text, std::size_t from);
    void StartField(std::string_view text, std::size_t at);
    void Complete(Row& row, std::string_view text, std::string_view end);
    bool PassOnTooLong(Row& row, std::string_view held, std::string_view cutLine);

    LineInput& lines_;
    char delimiter_;
    std::size_t column_;
    BufferedOutput& passOn_;
    std::string rowText_;  // a row that spans lines, put together
    std::string cell_;     // the column's text when its quotes had to be taken off
    // The row being read.
    std::size_t fields_ = 0;
    bool inQuotes_ = false;
    std::size_t cellBegin_ = 0;  // where the column asked for begins in the row, its quote included
    std::size_t cellEnd_ = 0;    // and where it ends, once the next field has begun
};

}  // namespace verbalo::cli
