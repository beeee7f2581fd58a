#include "app/cli/styled_wording.h"

#include "resources/console_texts.h"
#include "wording/amount_text.h"
#include "wording/letter_case.h"
#include "wording/word_tables.h"

namespace verbalo::cli {

StyledWording::StyledWording(const CliOptions& options, char systemSeparator)
    : tables_(StandardWordTables()),
      caseStyle_(options.caseStyle),
      separator_(options.separator.value_or(systemSeparator)) {}

std::expected<std::size_t, WordingError> StyledWording::Compose(
    std::string_view amountText, std::span<char, kWordingRoom> out) const {
    const auto amount = ReadAmountGroupedInThousands(amountText, separator_);
    if (!amount) {
        return std::unexpected(amount.error());
    }
    const std::string_view composed = ComposeWording(tables_, *amount, out);
    ApplyCaseStyleInPlace(out.first(composed.size()), caseStyle_);
    return composed.size();
}

std::string StyledWording::Refusal(std::string_view amountText, WordingError error) const {
    std::string refusal = "\"";
    for (const char c : amountText) {
        refusal += c == '\r' ? "\\r" : c == '\n' ? "\\n" : std::string(1, c);
    }
    refusal += "\": ";
    refusal += ErrorMessage(error);
    if (error == WordingError::MisplacedGrouping) {
        refusal += ": ";
        refusal += separator_ == ',' ? texts::kGroupingRuleForComma : texts::kGroupingRuleForPoint;
    }
    return refusal;
}

}  // namespace verbalo::cli
