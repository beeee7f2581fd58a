#include "wording/compose_wording.h"

#include <array>

#include "wording/text_buffer.h"

namespace verbalo {
namespace {

constexpr std::array<std::uint64_t, kScaleCount> kScaleUnits = {1'000'000'000, 1'000'000, 1'000, 1};

}  // namespace

// The integer part is cut into groups of three digits from the right: billions, millions,
// thousands, units. Only the leading group can be the one-digit text "1", which takes the
// singular piece ("Mille", "Unmilione", "Unmiliardo"); an inner group of one ("001") is worded
// "Uno" with the plural scale word. A group whose words are empty (0, "000") adds nothing, not
// even its scale word.
std::string ComposeWording(const WordTables& tables, const ExactAmount& amount) {
    // Assembled on the stack; the returned string is the one allocation.
    TextBuffer wording;
    if (amount.IsNegativeToTheCent()) {
        wording.Append("Meno");
    }
    for (std::size_t scale = 0; scale < kScaleCount; ++scale) {
        const std::uint64_t groupsFromHere = amount.integerPart / kScaleUnits[scale];
        wording.Append(tables.GroupPiece(static_cast<Scale>(scale),
                                         static_cast<std::uint32_t>(groupsFromHere % 1000),
                                         groupsFromHere < 1000));
    }
    wording.Append(" / ");
    wording.Append(static_cast<char>('0' + amount.cents / 10));
    wording.Append(static_cast<char>('0' + amount.cents % 10));
    return wording.ToString();
}

std::expected<Composition, WordingError> ComposeWording(const WordTables& tables,
                                                        std::string_view amountText,
                                                        char decimalSeparator) {
    const auto amount = ReadAmount(amountText, decimalSeparator);
    if (!amount) {
        return std::unexpected(amount.error());
    }
    return Composition{ComposeWording(tables, *amount), amount->value};
}

}  // namespace verbalo
