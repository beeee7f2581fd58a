#include <gtest/gtest.h>

#include "wording/word_group.h"
#include "wording/word_tables.h"

namespace verbalo {
namespace {

TEST(WordTables, HoldExactlyTheWordsOfTheSetUp) {
    WordTables tables;
    FillWordTables(tables);
    const std::array<std::string_view, 21> units = {
        "",         "Uno",    "Due",         "Tre",      "Quattro",
        "Cinque",   "Sei",    "Sette",       "Otto",     "Nove",
        "Dieci",    "Undici", "Dodici",      "Tredici",  "Quattordici",
        "Quindici", "Sedici", "Diciassette", "Diciotto", "Diciannove",
        ""};
    const std::array<std::string_view, 11> tens = {"",         "",          "Venti",    "Trenta",
                                                   "Quaranta", "Cinquanta", "Sessanta", "Settanta",
                                                   "Ottanta",  "Novanta",   "Cento"};
    for (std::size_t i = 0; i < units.size(); ++i) {
        EXPECT_EQ(tables.unitWords[i], units[i]) << "unitWords[" << i << "]";
    }
    for (std::size_t i = 0; i < tens.size(); ++i) {
        EXPECT_EQ(tables.tensWords[i], tens[i]) << "tensWords[" << i << "]";
    }
}

TEST(WordTables, ReadsOutsideTheBoundsGiveNoWord) {
    const WordTables& tables = StandardWordTables();
    EXPECT_EQ(tables.Unit(20), std::optional<std::string_view>(""));
    EXPECT_EQ(tables.Unit(21), std::nullopt);
    EXPECT_EQ(tables.Tens(10), std::optional<std::string_view>("Cento"));
    EXPECT_EQ(tables.Tens(11), std::nullopt);
}

TEST(WordTables, EveryWordIsPlainAsciiLettersStartingWithACapital) {
    const WordTables& tables = StandardWordTables();
    auto check = [](std::string_view word) {
        if (word.empty()) {
            return;
        }
        EXPECT_TRUE(word.front() >= 'A' && word.front() <= 'Z') << word;
        for (const char c : word.substr(1)) {
            EXPECT_TRUE(c >= 'a' && c <= 'z') << word;
        }
    };
    for (const auto& word : tables.unitWords) {
        check(word);
    }
    for (const auto& word : tables.tensWords) {
        check(word);
    }
}

}  // namespace
}  // namespace verbalo

namespace verbalo {
namespace {

TEST(WordTables, TheGroupIndexHoldsWhatWordGroupGivesForEveryGroup) {
    const WordTables& tables = StandardWordTables();
    for (std::uint32_t value = 0; value < 1000; ++value) {
        const std::string words = WordGroup(tables, std::to_string(value)).value();
        EXPECT_EQ(tables.GroupPiece(Scale::Units, value, false), words) << value;
        const std::string withScale = words.empty() ? "" : words + "Mila";
        EXPECT_EQ(tables.GroupPiece(Scale::Thousands, value, value != 1), withScale) << value;
    }
    EXPECT_EQ(tables.GroupPiece(Scale::Thousands, 1, true), "Mille");
    EXPECT_EQ(tables.GroupPiece(Scale::Millions, 1, true), "Unmilione");
    EXPECT_EQ(tables.GroupPiece(Scale::Billions, 1, true), "Unmiliardo");
    EXPECT_EQ(tables.GroupPiece(Scale::Billions, 1000, true), "");
}

}  // namespace
}  // namespace verbalo
