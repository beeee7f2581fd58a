#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string_view>

#include "app/cli/buffered_output.h"
#include "app/cli/byte_streams.h"

namespace verbalo::cli {

inline constexpr std::string_view kProgramName = "verbalo-cli";

// The program's messages on the error stream, one a line: "verbalo-cli: riga 3: ...". Given the
// answers, it flushes them before each message, so that a message follows the answers to the
// lines before it wherever both streams go. Nothing is allocated.
class Reporter {
  public:
    explicit Reporter(ByteSink& err, BufferedOutput* answers = nullptr)
        : err_(err), answers_(answers) {}

    // "verbalo-cli: " and the pieces.
    void Tell(std::initializer_list<std::string_view> pieces);
    // "verbalo-cli: riga N: " and the pieces.
    void TellRow(std::size_t row, std::initializer_list<std::string_view> pieces);

    bool AnyTold() const { return anyTold_; }

  private:
    void Begin();
    void End();
    void Put(std::string_view text);

    ByteSink& err_;
    BufferedOutput* answers_;
    std::array<char, 512> line_{};
    std::size_t used_ = 0;
    bool anyTold_ = false;
};

// A number in decimal digits, in a buffer of its own.
class DecimalText {
  public:
    explicit DecimalText(std::size_t number);
    operator std::string_view() const { return {digits_.data(), size_}; }

  private:
    std::array<char, 24> digits_{};
    std::size_t size_ = 0;
};

}  // namespace verbalo::cli
