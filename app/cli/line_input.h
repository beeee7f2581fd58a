#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "app/cli/buffered_output.h"
#include "app/cli/byte_streams.h"

namespace verbalo::cli {

// A row may hold a megabyte of text in any encoding (UTF-16 text of one to three bytes a
// character as the program reads it): a line or a row longer than this is not held.
inline constexpr std::size_t kMaxLineBytes = 2u << 20;

// One line of the input.
struct InputLine {
    std::string_view text;  // without its line end
    std::string_view end;   // "\r\n", "\n", or "" for a last line that has none
    // Longer than the limit asked for: `text` holds its first bytes, and RestOfLine reads the
    // rest of it, its end included.
    bool cut = false;
};

// The lines of an input, read in large blocks: whatever the input has ready, up to a block, at
// a time. Before it would wait for the input it flushes the answers so far, if it is given
// them: a person typing sees each answer at once, and a pipe or a file with more lines waiting
// is answered in large writes. A line is held whole up to a limit, never beyond. Reading stops when
// the input cannot be read or the answers cannot be written.
class LineInput {
  public:
    static constexpr std::size_t kBlockSize = 1 << 16;

    explicit LineInput(ByteSource& input, BufferedOutput* answers = nullptr);

    // The next line, valid until the next call; nothing at the end of the input. A line of more
    // than `limit` bytes before its "\n" (a CR included) comes cut.
    std::optional<InputLine> Next(std::size_t limit = kMaxLineBytes);
    // Reads the rest of a line that came cut, handing its bytes to `passOn` when given one, and
    // returns its end.
    std::string_view RestOfLine(BufferedOutput* passOn);

    bool ReadFailed() const { return readFailed_; }

  private:
    // Next, for a line not held whole yet.
    std::optional<InputLine> NextAfterReading(std::size_t limit);
    // Reads more after what is held; false at the end of the input, or when it cannot be read.
    bool ReadMore();

    ByteSource& input_;
    BufferedOutput* answers_;
    std::vector<char> held_;
    std::size_t begin_ = 0;  // the held text not yet given out is [begin_, end_)
    std::size_t end_ = 0;
    char lastOfCut_ = '\0';  // the last byte given out of a line that came cut
    bool readFailed_ = false;
};

}  // namespace verbalo::cli
