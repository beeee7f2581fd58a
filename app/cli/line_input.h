#pragma once

#include <optional>
#include <streambuf>
#include <string_view>
#include <vector>

#include "app/cli/buffered_output.h"

namespace verbalo::cli {

// One line of the input: its text without the "\n" ("\r" included when the line ended in
// CR LF), and whether a "\n" ended it (the last line of a file may have none).
struct InputLine {
    std::string_view text;
    bool ended = false;
};

// The lines of an input, read in large blocks: whatever the input has ready, up to a block, at
// a time. Before it would have to wait for the input, it flushes the answers so far, if it is
// given them: a person typing sees each answer at once, and a pipe or a file with more lines
// waiting is answered in large writes. A line longer than a block is held whole.
class LineInput {
  public:
    static constexpr std::size_t kBlockSize = 1 << 16;

    explicit LineInput(std::streambuf* input, BufferedOutput* answers = nullptr);

    // The next line, valid until the next call; nothing at the end of the input.
    std::optional<InputLine> Next();

  private:
    // Reads more after what is held; false at the end of the input.
    bool ReadMore();

    std::streambuf* input_;
    BufferedOutput* answers_;
    std::vector<char> held_;
    std::size_t begin_ = 0;  // the held text not yet given out is [begin_, end_)
    std::size_t end_ = 0;
};

}  // namespace verbalo::cli
