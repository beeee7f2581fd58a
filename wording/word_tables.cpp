#include "wording/word_tables.h"

#include <charconv>
#include <string>

#include "wording/text_buffer.h"
#include "wording/word_group.h"

namespace verbalo {

std::optional<std::string_view> WordTables::Unit(std::size_t index) const {
    if (index >= unitWords.size()) {
        return std::nullopt;
    }
    return unitWords[index];
}

std::optional<std::string_view> WordTables::Tens(std::size_t index) const {
    if (index >= tensWords.size()) {
        return std::nullopt;
    }
    return tensWords[index];
}

namespace {

struct ScaleWords {
    std::string_view single;  // the whole piece for a leading group of exactly one
    std::string_view plural;  // follows the group's words otherwise
};

constexpr std::array<ScaleWords, kScaleCount> kScaleWords = {{
    {"Unmiliardo", "Miliardi"},
    {"Unmilione", "Milioni"},
    {"Mille", "Mila"},
    {"", ""},  // the units group has no scale word, and one is "Uno"
}};

}  // namespace

// Each piece is put together on the stack: indexing allocates only the text of all pieces.
void WordTables::IndexGroupPieces() {
    piecesText_.clear();
    for (std::size_t piece = 0; piece < kScaleCount * kGroupCount; ++piece) {
        pieceStart_[piece] = static_cast<std::uint32_t>(piecesText_.size());
        std::array<char, 3> digits{};
        const char* digitsEnd =
            std::to_chars(digits.data(), digits.data() + digits.size(), piece % kGroupCount).ptr;
        TextBuffer words;
        if (AppendGroupWords(*this, {digits.data(), digitsEnd}, words) && words.size() > 0) {
            piecesText_ += words.View();
            piecesText_ += kScaleWords[piece / kGroupCount].plural;
        }
    }
    for (std::size_t scale = 0; scale < kScaleCount; ++scale) {
        pieceStart_[kScaleCount * kGroupCount + scale] =
            static_cast<std::uint32_t>(piecesText_.size());
        // The units scale has no singular: its leading one is the plural's "Uno".
        piecesText_ += kScaleWords[scale].single.empty()
                           ? std::string(Piece(scale * kGroupCount + 1))
                           : std::string(kScaleWords[scale].single);
    }
    pieceStart_[kPieceCount] = static_cast<std::uint32_t>(piecesText_.size());
    piecesText_.append(kReadableFromPiece, '\0');
}

void FillWordTables(WordTables& tables) {
    static constexpr std::array<std::string_view, 20> kUnits = {
        "",         "Uno",    "Due",         "Tre",      "Quattro",
        "Cinque",   "Sei",    "Sette",       "Otto",     "Nove",
        "Dieci",    "Undici", "Dodici",      "Tredici",  "Quattordici",
        "Quindici", "Sedici", "Diciassette", "Diciotto", "Diciannove"};
    static constexpr std::array<std::string_view, 11> kTens = {
        "",         "",         "Venti",   "Trenta",  "Quaranta", "Cinquanta",
        "Sessanta", "Settanta", "Ottanta", "Novanta", "Cento"};

    for (std::size_t i = 0; i < kUnits.size(); ++i) {
        tables.unitWords[i] = kUnits[i];
    }
    tables.unitWords[20].clear();
    for (std::size_t i = 0; i < kTens.size(); ++i) {
        tables.tensWords[i] = kTens[i];
    }
    tables.IndexGroupPieces();
}

const WordTables& StandardWordTables() {
    static const WordTables tables = [] {
        WordTables filled;
        FillWordTables(filled);
        return filled;
    }();
    return tables;
}

}  // namespace verbalo
