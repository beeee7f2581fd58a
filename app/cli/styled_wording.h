#pragma once

#include <cstdint>
#include <expected>
#include <span>
#include <string>
#include <string_view>

#include "app/cli/cli_options.h"
#include "wording/compose_wording.h"

namespace verbalo::cli {

inline constexpr std::string_view kProgramName = "verbalo-cli";

// The wording of amounts as the options ask for it: read with their decimal separator (the
// system's when they give none) and a grouping character only between thousands, in their
// letter-case style.
class StyledWording {
  public:
    StyledWording(const CliOptions& options, char systemSeparator);

    // Composes the wording of `amountText` into `out`, styled there; its length, or why the
    // amount cannot be worded. Nothing is allocated.
    std::expected<std::size_t, WordingError> Compose(std::string_view amountText,
                                                     std::span<char, kWordingRoom> out) const;

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
