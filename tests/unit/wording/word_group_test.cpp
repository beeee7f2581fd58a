#include <gtest/gtest.h>

#include <string>

#include "wording/word_group.h"

namespace verbalo {
namespace {

struct GroupCase {
    std::string_view text;
    std::string_view words;
};

class WordGroupTable : public testing::TestWithParam<GroupCase> {};

TEST_P(WordGroupTable, WordsTheGroup) {
    const auto result = WordGroup(StandardWordTables(), GetParam().text);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(
    TypicalGroups, WordGroupTable,
    testing::Values(GroupCase{"", ""}, GroupCase{"0", ""}, GroupCase{"00", ""},
                    GroupCase{"000", ""}, GroupCase{"1", "Uno"}, GroupCase{"01", "Uno"},
                    GroupCase{"001", "Uno"}, GroupCase{"7", "Sette"}, GroupCase{"07", "Sette"},
                    GroupCase{"007", "Sette"}, GroupCase{"10", "Dieci"}, GroupCase{"012", "Dodici"},
                    GroupCase{"16", "Sedici"}, GroupCase{"20", "Venti"}, GroupCase{"21", "VentUno"},
                    GroupCase{"23", "VentiTre"}, GroupCase{"28", "VentOtto"},
                    GroupCase{"31", "TrentUno"}, GroupCase{"48", "QuarantOtto"},
                    GroupCase{"81", "OttantUno"}, GroupCase{"88", "OttantOtto"},
                    GroupCase{"99", "NovantaNove"}, GroupCase{"100", "Cento"},
                    GroupCase{"101", "CentoUno"}, GroupCase{"108", "CentoOtto"},
                    GroupCase{"110", "CentoDieci"}, GroupCase{"111", "CentoUndici"},
                    GroupCase{"118", "CentoDiciotto"}, GroupCase{"121", "CentoVentUno"},
                    GroupCase{"180", "CentoOttanta"}, GroupCase{"181", "CentoOttantUno"},
                    GroupCase{"199", "CentoNovantaNove"}, GroupCase{"200", "DueCento"},
                    GroupCase{"201", "DueCentoUno"}, GroupCase{"888", "OttoCentoOttantOtto"},
                    GroupCase{"999", "NoveCentoNovantaNove"}, GroupCase{"38", "TrentOtto"},
                    GroupCase{"91", "NovantUno"}, GroupCase{"22", "VentiDue"}));

TEST(WordGroup, OnlyUnitsOneAndEightElideTheTensVowelForEveryTensDigit) {
    const WordTables& tables = StandardWordTables();
    for (int tens = 2; tens <= 9; ++tens) {
        const std::string tensWord = tables.tensWords[static_cast<std::size_t>(tens)];
        for (int units = 1; units <= 9; ++units) {
            const std::string text = std::to_string(tens * 10 + units);
            const std::string unitWord = tables.unitWords[static_cast<std::size_t>(units)];
            const bool elides = units == 1 || units == 8;
            const std::string expected =
                (elides ? tensWord.substr(0, tensWord.size() - 1) : tensWord) + unitWord;
            EXPECT_EQ(WordGroup(tables, text).value(), expected) << text;
        }
    }
}

TEST(WordGroup, LeadingZerosNeverChangeTheWords) {
    const WordTables& tables = StandardWordTables();
    for (int value = 0; value < 100; ++value) {
        const std::string plain = std::to_string(value);
        const std::string padded = std::string(3 - plain.size(), '0') + plain;
        EXPECT_EQ(WordGroup(tables, plain).value(), WordGroup(tables, padded).value()) << plain;
    }
}

TEST(WordGroup, NeverWritesABlankForAnyGroup) {
    const WordTables& tables = StandardWordTables();
    for (int value = 0; value < 1000; ++value) {
        const auto words = WordGroup(tables, std::to_string(value));
        ASSERT_TRUE(words.has_value()) << value;
        EXPECT_EQ(words->find(' '), std::string::npos) << value;
        EXPECT_EQ(words->empty(), value == 0) << value;
    }
}

TEST(WordGroup, TextsOutsideTheContractAreErrorsNotCrashes) {
    for (const std::string_view text : {"1000", "-1", "+1", "1a", " 1", "12 ", ",5", "\xff"}) {
        const auto result = WordGroup(StandardWordTables(), text);
        ASSERT_FALSE(result.has_value()) << text;
        EXPECT_EQ(result.error(), WordingError::InvalidGroup);
    }
}

TEST(WordGroup, EmptyTablesGiveEmptyWordsWithoutReadingOutside) {
    const WordTables unfilled;
    EXPECT_EQ(WordGroup(unfilled, "999").value(), "Cento");
}

TEST(AppendGroupWords, LeavesTheOutputUntouchedOnError) {
    TextBuffer out;
    out.Append("Mille");
    EXPECT_FALSE(AppendGroupWords(StandardWordTables(), "12x", out).has_value());
    EXPECT_EQ(out.View(), "Mille");
}

}  // namespace
}  // namespace verbalo
