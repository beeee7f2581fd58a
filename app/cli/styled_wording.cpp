#include "app/cli/styled_wording.h"

#include "wording/letter_case.h"
#include "wording/word_tables.h"

namespace verbalo::cli {

StyledWording::StyledWording(const CliOptions& options, char systemSeparator)
    : tables_(StandardWordTables()),
      caseStyle_(options.caseStyle),
      separator_(options.separator.value_or(systemSeparator)) {}

std::expected<std::size_t, WordingError> StyledWording::Compose(
    std::string_view amountText, std::span<char, kWordingRoom> out) const {
    const auto composed = ComposeWording(tables_, amountText, separator_, out);
    if (!composed) {
        return std::unexpected(composed.error());
    }
    ApplyCaseStyleInPlace(out.first(composed->size()), caseStyle_);
    return composed->size();
}

}  // namespace verbalo::cli
