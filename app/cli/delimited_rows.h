#pragma once

#include <optional>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

#include "app/cli/buffered_output.h"
#include "app/cli/line_input.h"

// Rows of delimited text, as spreadsheets export them: fields separated by one delimiter
// character, and a field may be enclosed in double quotes, inside which "" is a quote and the
// delimiter, CR and LF are plain text. Nothing here knows what the fields mean.
namespace verbalo::cli {

inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// One row as it came, the text around its fields included, so that writing it back gives the
// same bytes (bar quotes a field did not need).
struct Record {
    std::string_view lead{};            // kByteOrderMark before the first row that had one, else ""
    std::vector<std::string> fields{};  // none for an empty line
    std::string_view lineEnd{};         // "\r\n", "\n", or "" for a last row without one
    bool unclosedQuote = false;         // the input ended inside a quoted field
};

// Reads the rows of an input one at a time; a row takes as many lines as its quoted fields
// span. Only the row being read is held. A quote that does not open a field is plain text, and
// so is what follows a field's closing quote before the next delimiter. The answers, if given,
// are flushed before the reader waits for the input.
class RecordReader {
  public:
    RecordReader(std::streambuf* input, char delimiter, BufferedOutput* answers = nullptr);

    // The next row into `record`, false at the end of the input.
    bool Next(Record& record);

  private:
    void StartField(Record& record, std::string_view text, std::size_t& position);
    void ReadFields(Record& record, std::string_view text);

    LineInput lines_;
    char delimiter_;
    bool atStart_ = true;
    bool inQuotes_ = false;
};

// Writes records one after the other. A field goes in quotes (its quotes doubled) when
// it holds the delimiter, a quote, CR or LF, and so does a first field that would otherwise
// read back as a byte-order mark.
class RecordWriter {
  public:
    RecordWriter(BufferedOutput& out, char delimiter);

    // The record's lead, its fields between delimiters, `appendedField` after them if given,
    // and its line end.
    void Write(const Record& record, std::optional<std::string_view> appendedField = {});

  private:
    void WriteField(std::string_view field, bool quoted);

    BufferedOutput& out_;
    char delimiter_;
    bool atStart_ = true;
};

}  // namespace verbalo::cli
