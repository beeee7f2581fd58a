#include "app/cli/styled_wording.h"

#include "app/cli/console_texts.h"
#include "app/cli/euro_sign.h"
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
    const EuroAmount euro = WithoutEuroSign(amountText);
    auto amount = ReadAmountGroupedInThousands(euro.number, separator_);
    if (!amount) {
        return std::unexpected(amount.error());
    }
    if (euro.minusBeforeSign) {  // "-€ 5": the number after the sign has none of its own
        if (amount->negative) {
            return std::unexpected(WordingError::InvalidAmount);
        }
        amount->negative = true;
        amount->value = -amount->value;
    }
    const std::string_view composed = ComposeWording(tables_, *amount, out);
    ApplyCaseStyleInPlace(out.first(composed.size()), caseStyle_);
    return composed.size();
}

std::optional<WordingError> StyledWording::Answer(std::string_view amountText, std::string_view end,
                                                  BufferedOutput& answers) const {
    // The wording is at most kLongestWording long: the end fits in the room after it.
    const std::span<char> room = answers.Reserve(kWordingRoom);
    const auto size = Compose(amountText, room.first<kWordingRoom>());
    if (!size) {
        return size.error();
    }
    char* after = room.data() + *size;
    for (const char c : end) {  // a byte or two: no copy call for them
        *after++ = c;
    }
    answers.Commit(*size + end.size());
    return std::nullopt;
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
