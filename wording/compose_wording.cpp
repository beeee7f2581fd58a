#include "wording/compose_wording.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace verbalo {
namespace {

constexpr std::string_view kMinus = "Meno";
constexpr std::string_view kCentsSeparator = " / ";

}  // namespace

// The integer part is cut into groups of three digits from the right: billions, millions,
// thousands, units. Only the leading group can be the one-digit text "1", which takes the
// singular piece ("Mille", "Unmilione", "Unmiliardo"); an inner group of one ("001") is worded
// "Uno" with the plural scale word. A group whose words are empty (0, "000") adds nothing, not
// even its scale word.
std::string_view ComposeWording(const WordTables& tables, const ExactAmount& amount,
                                std::span<char, kWordingRoom> out) {
    char* end = out.data();
    if (amount.IsNegativeToTheCent()) {
        end = std::copy_n(kMinus.data(), kMinus.size(), end);
    }
    const std::uint64_t integer = amount.integerPart;
    // The integer part from each scale up: divisions by constants, which compile to products.
    const std::array<std::uint64_t, kScaleCount> groupsFromHere = {
        integer / 1'000'000'000, integer / 1'000'000, integer / 1'000, integer};
    for (std::size_t scale = 0; scale < kScaleCount; ++scale) {
        const std::string_view piece = tables.GroupPiece(
            static_cast<Scale>(scale), static_cast<std::uint32_t>(groupsFromHere[scale] % 1000),
            groupsFromHere[scale] < 1000);
        // A copy of a fixed size is a few moves; what it copies past the piece is overwritten.
        std::memcpy(end, piece.data(), WordTables::kReadableFromPiece);
        end += piece.size();
    }
    end = std::copy_n(kCentsSeparator.data(), kCentsSeparator.size(), end);
    *end++ = static_cast<char>('0' + amount.cents / 10);
    *end++ = static_cast<char>('0' + amount.cents % 10);
    return {out.data(), static_cast<std::size_t>(end - out.data())};
}

std::string ComposeWording(const WordTables& tables, const ExactAmount& amount) {
    WordingBuffer wording;
    return std::string(ComposeWording(tables, amount, wording));
}

std::expected<std::string_view, WordingError> ComposeWording(const WordTables& tables,
                                                             std::string_view amountText,
                                                             char decimalSeparator,
                                                             std::span<char, kWordingRoom> out) {
    const auto amount = ReadAmount(amountText, decimalSeparator);
    if (!amount) {
        return std::unexpected(amount.error());
    }
    return ComposeWording(tables, *amount, out);
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
