#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace verbalo {

// The groups of three digits of an integer part, from the left, with their scale words.
enum class Scale { Billions, Millions, Thousands, Units };
inline constexpr std::size_t kScaleCount = 4;

// The Italian number words: unitWords for 1 to 19, tensWords for the tens 20 to 90 and "Cento".
// Entries that the set-up does not assign stay empty.
struct WordTables {
    std::array<std::string, 21> unitWords;
    std::array<std::string, 11> tensWords;

    // Bounds-checked reads: an index outside a table gives no word rather than a stray read.
    std::optional<std::string_view> Unit(std::size_t index) const;
    std::optional<std::string_view> Tens(std::size_t index) const;

    // The piece that a group of value 0 to 999 adds to a wording at a scale, derived from the
    // two tables by FillWordTables: the group's words (as WordGroup gives them) followed by the
    // plural scale word, or nothing when the words are empty. A leading group that is exactly
    // one takes the singular piece instead: "Mille", "Unmilione", "Unmiliardo".
    // Empty before the tables are filled, and for a value outside 0 to 999.
    std::string_view GroupPiece(Scale scale, std::uint32_t value, bool leadingGroup) const;

    // Bytes that may be read from the start of any piece GroupPiece gives, its own included:
    // no piece is longer, so a wording can be put together with copies of this fixed size.
    static constexpr std::size_t kReadableFromPiece = 48;

  private:
    friend void FillWordTables(WordTables& tables);
    void IndexGroupPieces();
    std::string_view Piece(std::size_t piece) const {
        return {piecesText_.data() + pieceStart_[piece],
                pieceStart_[piece + 1] - pieceStart_[piece]};
    }

    static constexpr std::size_t kGroupCount = 1000;
    // A piece for each group at each scale, then the singular piece of each scale.
    static constexpr std::size_t kPieceCount = kScaleCount * kGroupCount + kScaleCount;
    // Every piece, back to back, then kReadableFromPiece bytes of zeros.
    std::string piecesText_ = std::string(kReadableFromPiece, '\0');
    std::array<std::uint32_t, kPieceCount + 1> pieceStart_{};  // offsets into piecesText_
};

// Inline: the wording asks for four pieces an amount.
inline std::string_view WordTables::GroupPiece(Scale scale, std::uint32_t value,
                                               bool leadingGroup) const {
    const auto scaleIndex = static_cast<std::size_t>(scale);
    if (scaleIndex >= kScaleCount || value >= kGroupCount) {
        return {piecesText_.data(), 0};
    }
    return Piece(value == 1 && leadingGroup ? kScaleCount * kGroupCount + scaleIndex
                                            : scaleIndex * kGroupCount + value);
}

// Fills both tables, index 0 first, units table before the tens table.
void FillWordTables(WordTables& tables);

// Tables filled once, for callers that hold no window (the command line, benchmarks).
const WordTables& StandardWordTables();

}  // namespace verbalo
