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

  private:
    friend void FillWordTables(WordTables& tables);
    void IndexGroupPieces();

    static constexpr std::size_t kGroupCount = 1000;
    static constexpr std::size_t kPieceCount = kScaleCount * kGroupCount;
    std::string piecesText_;                                   // every piece, back to back
    std::array<std::uint32_t, kPieceCount + 1> pieceStart_{};  // offsets into piecesText_
};

// Fills both tables, index 0 first, units table before the tens table.
void FillWordTables(WordTables& tables);

// Tables filled once, for callers that hold no window (the command line, benchmarks).
const WordTables& StandardWordTables();

}  // namespace verbalo
