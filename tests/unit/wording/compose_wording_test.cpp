#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>

#include "wording/compose_wording.h"
#include "wording/letter_case.h"

namespace verbalo {
namespace {

std::string Wording(std::string_view amount, char separator = ',') {
    const auto composed = ComposeWording(StandardWordTables(), amount, separator);
    return composed ? composed->wording : "error: " + std::string(ErrorMessage(composed.error()));
}

std::string ShownInStyle1(std::string_view amount, char separator = ',') {
    return ApplyCaseStyle(Wording(amount, separator), 1).value();
}

struct AmountCase {
    std::string_view typed;
    std::string_view wording;
    std::string_view shownInStyle1;
};

class WorkedExamples : public testing::TestWithParam<AmountCase> {};

TEST_P(WorkedExamples, ComposeTheWordingAndShowItInTheDefaultStyle) {
    EXPECT_EQ(Wording(GetParam().typed), GetParam().wording);
    EXPECT_EQ(ShownInStyle1(GetParam().typed), GetParam().shownInStyle1);
}

INSTANTIATE_TEST_SUITE_P(
    CommaSeparator, WorkedExamples,
    testing::Values(
        AmountCase{"0", " / 00", " / 00"}, AmountCase{"0,5", " / 50", " / 50"},
        AmountCase{"1", "Uno / 00", "Uno / 00"}, AmountCase{"12,30", "Dodici / 30", "Dodici / 30"},
        AmountCase{"16", "Sedici / 00", "Sedici / 00"},
        AmountCase{"21", "VentUno / 00", "Ventuno / 00"},
        AmountCase{"28", "VentOtto / 00", "Ventotto / 00"},
        AmountCase{"100", "Cento / 00", "Cento / 00"},
        AmountCase{"101", "CentoUno / 00", "Centouno / 00"},
        AmountCase{"118", "CentoDiciotto / 00", "Centodiciotto / 00"},
        AmountCase{"200", "DueCento / 00", "Duecento / 00"},
        AmountCase{"999", "NoveCentoNovantaNove / 00", "Novecentonovantanove / 00"},
        AmountCase{"1000", "Mille / 00", "Mille / 00"},
        AmountCase{"1001", "MilleUno / 00", "Milleuno / 00"},
        AmountCase{"1234,50", "MilleDueCentoTrentaQuattro / 50", "Milleduecentotrentaquattro / 50"},
        AmountCase{"2000", "DueMila / 00", "Duemila / 00"},
        AmountCase{"21000", "VentUnoMila / 00", "Ventunomila / 00"},
        AmountCase{"1000000", "Unmilione / 00", "Unmilione / 00"},
        AmountCase{"1001000", "UnmilioneUnoMila / 00", "Unmilioneunomila / 00"},
        AmountCase{"2000000", "DueMilioni / 00", "Duemilioni / 00"},
        AmountCase{"1000000000", "Unmiliardo / 00", "Unmiliardo / 00"},
        AmountCase{"1001000000", "UnmiliardoUnoMilioni / 00", "Unmiliardounomilioni / 00"},
        AmountCase{"123456789012",
                   "CentoVentiTreMiliardiQuattroCentoCinquantaSeiMilioniSetteCentoOttantaNoveMila"
                   "Dodici / 00",
                   "Centoventitremiliardiquattrocentocinquantaseimilionisettecentoottantanovemila"
                   "dodici / 00"}));

struct WordingCase {
    std::string_view typed;
    std::string_view wording;
};

class EdgeCases : public testing::TestWithParam<WordingCase> {};

TEST_P(EdgeCases, ComposeAsStated) {
    EXPECT_EQ(Wording(GetParam().typed), GetParam().wording);
}

INSTANTIATE_TEST_SUITE_P(
    Composition, EdgeCases,
    testing::Values(
        WordingCase{"12,3", "Dodici / 30"},
        WordingCase{"1234,5", "MilleDueCentoTrentaQuattro / 50"},
        WordingCase{"2000000000", "DueMiliardi / 00"}, WordingCase{"1000001", "UnmilioneUno / 00"},
        WordingCase{"81000", "OttantUnoMila / 00"},
        WordingCase{"1000000001000",
                    "error: Importo troppo grande: il massimo è 999.999.999.999,99"},
        WordingCase{"001000", "Mille / 00"},
        WordingCase{"1001001001", "UnmiliardoUnoMilioniUnoMilaUno / 00"},
        WordingCase{"999999999999",
                    "NoveCentoNovantaNoveMiliardiNoveCentoNovantaNoveMilioniNoveCentoNovantaNove"
                    "MilaNoveCentoNovantaNove / 00"}));

INSTANTIATE_TEST_SUITE_P(
    RoundingToTheCent, EdgeCases,
    testing::Values(WordingCase{"0,125", " / 13"}, WordingCase{"0,124", " / 12"},
                    WordingCase{"1,005", "Uno / 01"}, WordingCase{"0,995", "Uno / 00"},
                    WordingCase{"999,999", "Mille / 00"}, WordingCase{"0,0049", " / 00"},
                    WordingCase{"1,9999999", "Due / 00"},
                    WordingCase{"999999999999,995",
                                "error: Importo troppo grande: il massimo è 999.999.999.999,99"}));

INSTANTIATE_TEST_SUITE_P(NegativeAmounts, EdgeCases,
                         testing::Values(WordingCase{"-5,25", "MenoCinque / 25"},
                                         WordingCase{"-0,5", "Meno / 50"},
                                         WordingCase{"-1000000", "MenoUnmilione / 00"},
                                         WordingCase{"-0", " / 00"}, WordingCase{"-0,001", " / 00"},
                                         WordingCase{"-0,995", "MenoUno / 00"}));

INSTANTIATE_TEST_SUITE_P(
    GroupedIntegerParts, EdgeCases,
    testing::Values(WordingCase{"1.234,5", "MilleDueCentoTrentaQuattro / 50"},
                    WordingCase{"12.345.678",
                                "DodiciMilioniTreCentoQuarantaCinqueMilaSeiCentoSettantOtto / 00"},
                    WordingCase{"1.000.000.000.000",
                                "error: Importo troppo grande: il massimo è 999.999.999.999,99"},
                    WordingCase{"0.000.000.000.000.001", "Uno / 00"},
                    // Grouping characters count for nothing wherever they stand, as in the echo.
                    WordingCase{"1.23,5", "CentoVentiTre / 50"},
                    WordingCase{"1234.567,5",
                                "UnmilioneDueCentoTrentaQuattroMilaCinqueCentoSessantaSette / 50"},
                    WordingCase{".123", "CentoVentiTre / 00"}, WordingCase{"1,2.5", "Uno / 25"},
                    WordingCase{".", "error: Importo non valido"},
                    WordingCase{"1,2,3", "error: Importo non valido"}));

INSTANTIATE_TEST_SUITE_P(NotANumber, EdgeCases,
                         testing::Values(WordingCase{"", "error: Importo non valido"},
                                         WordingCase{"   ", "error: Importo non valido"},
                                         WordingCase{"-", "error: Importo non valido"},
                                         WordingCase{",", "error: Importo non valido"},
                                         WordingCase{"-,", "error: Importo non valido"},
                                         WordingCase{"1,2,3", "error: Importo non valido"},
                                         WordingCase{"12-3", "error: Importo non valido"},
                                         WordingCase{"--3", "error: Importo non valido"},
                                         WordingCase{"abc", "error: Importo non valido"},
                                         WordingCase{"12a", "error: Importo non valido"},
                                         WordingCase{"1 234", "error: Importo non valido"},
                                         WordingCase{"1e5", "error: Importo non valido"},
                                         WordingCase{"0x10", "error: Importo non valido"}));

TEST(ComposeWording, FollowsAPointSeparatorWithCommasAsGrouping) {
    EXPECT_EQ(Wording("1234.5", '.'), "MilleDueCentoTrentaQuattro / 50");
    EXPECT_EQ(Wording("1,234.5", '.'), "MilleDueCentoTrentaQuattro / 50");
    EXPECT_EQ(Wording("1,5", '.'), "Quindici / 00");
}

TEST(ComposeWording, AcceptsALeadingOrTrailingSeparatorWithDigitsOnTheOtherSide) {
    EXPECT_EQ(Wording(",5"), " / 50");
    EXPECT_EQ(Wording("7,"), "Sette / 00");
}

TEST(ComposeWording, IgnoresBlanksAroundTheNumber) {
    EXPECT_EQ(Wording("  21\r"), "VentUno / 00");
}

TEST(ComposeWording, ReturnsTheAmountValueAsTyped) {
    const auto composed = ComposeWording(StandardWordTables(), "-1.234,505", ',');
    ASSERT_TRUE(composed.has_value());
    EXPECT_DOUBLE_EQ(composed->amountValue, -1234.505);
}

TEST(ComposeWording, WordingsNeverHaveABlankOutsideTheCentsMark) {
    for (const std::string_view amount : {"999999999999,99", "777777777777", "1001001001,01"}) {
        const std::string wording = Wording(amount);
        const auto mark = wording.find(" / ");
        ASSERT_NE(mark, std::string::npos) << amount;
        EXPECT_EQ(wording.find(' '), mark) << amount;
        EXPECT_EQ(wording.size(), mark + 5) << amount;
    }
}

}  // namespace
}  // namespace verbalo

namespace verbalo {
namespace {

// The amount whose wording is the longest: in each group the value with the longest piece,
// negative, with cents.
ExactAmount LongestWordedAmount() {
    const WordTables& tables = StandardWordTables();
    ExactAmount amount{.negative = true, .cents = 99};
    for (std::size_t scale = 0; scale < kScaleCount; ++scale) {
        std::uint32_t longest = 0;
        for (std::uint32_t value = 0; value < 1000; ++value) {
            const auto length = [&](std::uint32_t v) {
                return tables.GroupPiece(static_cast<Scale>(scale), v, scale == 0).size();
            };
            longest = length(value) > length(longest) ? value : longest;
        }
        amount.integerPart = amount.integerPart * 1000 + longest;
    }
    return amount;
}

// The room the buffer form asks for is what the longest wording takes, and the wording written
// into exactly that room, on the heap where the address sanitizer watches its end, is whole.
TEST(ComposeWording, TheLongestWordingFitsTheRoomOfTheBufferForm) {
    const ExactAmount amount = LongestWordedAmount();
    const std::string wording = ComposeWording(StandardWordTables(), amount);
    EXPECT_EQ(wording.size(), kLongestWording) << wording;
    const auto room = std::make_unique<std::array<char, kWordingRoom>>();
    EXPECT_EQ(ComposeWording(StandardWordTables(), amount, *room), wording);
}

// The buffer form gives what the string form gives, whatever the room held before.
TEST(ComposeWording, TheBufferFormGivesTheWordingWhateverTheRoomHeld) {
    WordingBuffer room;
    room.fill('#');
    for (const std::string_view text : {"1234,5", "-0,999", "1000001", "999999999999,99", "0"}) {
        EXPECT_EQ(ComposeWording(StandardWordTables(), text, ',', room).value(), Wording(text));
    }
    EXPECT_EQ(ComposeWording(StandardWordTables(), "12a", ',', room).error(),
              WordingError::InvalidAmount);
}

}  // namespace
}  // namespace verbalo
