#pragma once

#include <cstdint>
#include <expected>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/cli/buffered_output.h"
#include "app/cli/cli_options.h"
#include "wording/compose_wording.h"

namespace verbalo::cli {

// The wording of amounts as the options ask for it: read with their decimal separator (the
// system's when they give none) and a grouping character only between thousands, a euro sign
// before or after the number allowed, in their letter-case style.
class StyledWording {
  public:
    StyledWording(const CliOptions& options, char systemSeparator);

    // Composes the wording of `amountText` into `out`, styled there; its length, or why the
    // amount cannot be worded. Nothing is allocated.
    std::expected<std::size_t, WordingError> Compose(std::string_view amountText,
                                                     std::span<char, kWordingRoom> out) const;

    // Composes the wording of `amountText` right in the answers, followed by `end` (a line's
    // end, two bytes at most), or tells why it cannot and writes nothing.
    std::optional<WordingError> Answer(std::string_view amountText, std::string_view end,
                                       BufferedOutput& answers) const;

    // What to tell the user of an amount that could not be worded, on one line: the amount in
    // quotes (a line break in it as "\r" or "\n"), the error's text and, for a misplaced
    // grouping character, the rule and the option that chooses the separator.
    std::string Refusal(std::string_view amountText, WordingError error) const;

  private:
    const WordTables& tables_;
    std::int16_t caseStyle_;
    char separator_;
};

}  // namespace verbalo::cli
