#include <gtest/gtest.h>

#include <cmath>

#include "wording/amount_text.h"

namespace verbalo {
namespace {

struct ReadCase {
    std::string_view text;
    bool negative;
    std::uint64_t integerPart;
    int cents;
};

class ReadAmountExactly : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadAmountExactly, RoundsToTheCentHalfAwayFromZero) {
    const auto amount = ReadAmount(GetParam().text, ',');
    ASSERT_TRUE(amount.has_value()) << GetParam().text;
    EXPECT_EQ(amount->negative, GetParam().negative);
    EXPECT_EQ(amount->integerPart, GetParam().integerPart);
    EXPECT_EQ(amount->cents, GetParam().cents);
}

// Values that binary floating point holds inexactly (1,005 is 1,00499999...) still round up.
INSTANTIATE_TEST_SUITE_P(Texts, ReadAmountExactly,
                         testing::Values(ReadCase{"1,005", false, 1, 1},
                                         ReadCase{"2,675", false, 2, 68},
                                         ReadCase{"0,285", false, 0, 29},
                                         ReadCase{"-0,125", true, 0, 13},
                                         ReadCase{"999999999999,994", false, 999999999999, 99},
                                         ReadCase{"000000000000000042", false, 42, 0},
                                         ReadCase{"1.000.000,10", false, 1000000, 10}));

TEST(ReadAmount, TheValueIsTheSignedUnroundedAmount) {
    EXPECT_DOUBLE_EQ(ReadAmount("-5,25", ',')->value, -5.25);
    EXPECT_DOUBLE_EQ(ReadAmount("0,995", ',')->value, 0.995);
    EXPECT_DOUBLE_EQ(ReadAmount("123456789012", ',')->value, 123456789012.0);
    // Both conversions, the short exact one and the general one, give the nearest double.
    EXPECT_EQ(ReadAmount("0,1", ',')->value, 0.1);
    EXPECT_EQ(ReadAmount("999999999999,99", ',')->value, 999999999999.99);
    EXPECT_EQ(ReadAmount("1,0000000000000000000001", ',')->value, 1.0);
    EXPECT_EQ(ReadAmount("123456789,123456789", ',')->value, 123456789.123456789);
}

TEST(ReadAmount, ThirteenSignificantDigitsAreTooLarge) {
    EXPECT_EQ(ReadAmount("1234567890123", ',').error(), WordingError::AmountTooLarge);
    EXPECT_EQ(ReadAmount(std::string(400, '9'), ',').error(), WordingError::AmountTooLarge);
}

TEST(ReadAmount, NegativeZeroIsNotNegativeToTheCent) {
    EXPECT_FALSE(ReadAmount("-0,004", ',')->IsNegativeToTheCent());
    EXPECT_TRUE(ReadAmount("-0,005", ',')->IsNegativeToTheCent());
}

}  // namespace
}  // namespace verbalo
