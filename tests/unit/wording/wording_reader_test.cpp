#include <gtest/gtest.h>

#include <string_view>

#include "tests/support/wording_reader.h"
#include "wording/compose_wording.h"

namespace verbalo::testing {
namespace {

const WordingReader& Reader() {
    static const WordingReader reader(StandardWordTables());
    return reader;
}

// Every group value at every scale, alone, after a leading one and before the smallest and
// largest lower parts, reads back from its wording: the whole word grammar, both ways.
TEST(WordingRoundTrip, EveryGroupAtEveryScaleReadsBackAsItsAmount) {
    for (std::uint64_t scale = 1; scale <= 1'000'000'000; scale *= 1000) {
        for (std::uint64_t group = 0; group < 1000; ++group) {
            for (const std::uint64_t lower : {std::uint64_t{0}, std::uint64_t{1}, scale - 1}) {
                for (const bool leadingOne : {false, true}) {
                    ExactAmount amount;
                    amount.negative = group % 2 == 1;
                    amount.integerPart = group * scale + lower % scale;
                    if (leadingOne && scale < 1'000'000'000) {
                        amount.integerPart += scale * 1000;
                    }
                    amount.cents = static_cast<int>(group % 100);
                    const auto wording = ComposeWording(StandardWordTables(), amount);
                    const WordedAmount expected{amount.IsNegativeToTheCent(), amount.integerPart,
                                                amount.cents};
                    ASSERT_EQ(Reader().Read(wording), expected) << wording;
                }
            }
        }
    }
}

TEST(WordingReader, ReadsAWordingInAnyCase) {
    const WordedAmount amount{true, 1234, 50};
    EXPECT_EQ(Reader().Read("MenoMilleDueCentoTrentaQuattro / 50"), amount);
    EXPECT_EQ(Reader().Read("MENOMILLEDUECENTOTRENTAQUATTRO / 50"), amount);
    EXPECT_EQ(Reader().Read(" / 07"), (WordedAmount{false, 0, 7}));
}

TEST(WordingReader, RefusesWhatTheGrammarDoesNot) {
    for (const std::string_view notAWording :
         {"UnoMila / 00", "MilleMille / 00", "MilaUno / 00", "DueMiliardiUnmilione / 00",
          "VentiUno / 00", "VentDue / 00", "CentoCento / 00", "UnoCento / 00", "DueTre / 00",
          "Dodici / 5", "Dodici/00", "Do dici / 00", "DodiciMeno / 00", "Dodici / 0a"}) {
        EXPECT_EQ(Reader().Read(notAWording), std::nullopt) << notAWording;
    }
}

}  // namespace
}  // namespace verbalo::testing
