#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

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

// Reads the rows of `in` one at a time; a row takes as many lines as its quoted fields span.
// Only the row being read is held. A quote that does not open a field is plain text, and so is
// what follows a field's closing quote before the next delimiter.
class RecordReader {
  public:
    RecordReader(std::istream& in, char delimiter);

    // The next row into `record`, false at the end of the input.
    bool Next(Record& record);

  private:
    void StartField(Record& record, std::string_view text, std::size_t& position);
    void ReadFields(Record& record, std::string_view text);

    std::istream& in_;
    char delimiter_;
    bool atStart_ = true;
    bool inQuotes_ = false;
    std::string line_;
};

// Writes records to `out` one after the other. A field goes in quotes (its quotes doubled) when
// it holds the delimiter, a quote, CR or LF, and so does a first field that would otherwise
// read back as a byte-order mark.
class RecordWriter {
  public:
    RecordWriter(std::ostream& out, char delimiter);

    // The record's lead, its fields between delimiters and its line end.
    void Write(const Record& record);

  private:
    void WriteField(std::string_view field, bool quoted);

    std::ostream& out_;
    char delimiter_;
    bool atStart_ = true;
};

}  // namespace verbalo::cli
