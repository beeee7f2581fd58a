#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>

#include "easter/easter_date.h"
#include "platform/fakes/fake_dialogs.h"

namespace verbalo {
namespace {

using namespace std::chrono;
using platform::FakeDialogs;

// Gauss's Easter formula with its two exceptions: a different route to the same Gregorian dates.
year_month_day GaussEaster(int y) {
    const int a = y % 19;
    const int b = y % 4;
    const int c = y % 7;
    const int century = y / 100;
    const int p = (13 + 8 * century) / 25;
    const int q = century / 4;
    const int bigM = (15 - p + century - q) % 30;
    const int bigN = (4 + century - q) % 7;
    const int d = (19 * a + bigM) % 30;
    const int e = (2 * b + 4 * c + 6 * d + bigN) % 7;
    int marchDay = 22 + d + e;  // days past 31 run into April
    if (d == 29 && e == 6) {
        marchDay = 31 + 19;
    } else if (d == 28 && e == 6 && (11 * bigM + 11) % 30 < 19) {
        marchDay = 31 + 18;
    }
    const auto march = year{y} / March / 1;
    return year_month_day{sys_days{march} + days{marchDay - 1}};
}

struct EasterOf {
    double anno;
    year_month_day sunday;
};

void PrintTo(const EasterOf& easter, std::ostream* os) {
    *os << easter.anno;
}

class PasquaGregorianaOf : public testing::TestWithParam<EasterOf> {};

TEST_P(PasquaGregorianaOf, GivesEasterSundaySilently) {
    FakeDialogs dialogs;
    const auto easter = PasquaGregoriana(GetParam().anno, dialogs);
    ASSERT_TRUE(easter.has_value());
    EXPECT_EQ(easter->YearMonthDay(), GetParam().sunday);
    EXPECT_THAT(dialogs.shown, testing::IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    KnownYears, PasquaGregorianaOf,
    testing::Values(EasterOf{1900, 1900y / April / 15}, EasterOf{1954, 1954y / April / 18},
                    EasterOf{1981, 1981y / April / 19}, EasterOf{2000, 2000y / April / 23},
                    EasterOf{2008, 2008y / March / 23}, EasterOf{2024, 2024y / March / 31},
                    EasterOf{2025, 2025y / April / 20}, EasterOf{2038, 2038y / April / 25},
                    EasterOf{2285, 2285y / March / 22}, EasterOf{9999, 9999y / March / 28}));

INSTANTIATE_TEST_SUITE_P(
    FractionalYears, PasquaGregorianaOf,
    testing::Values(EasterOf{1900.4, 1900y / April / 15}, EasterOf{1999.5, 2000y / April / 23},
                    EasterOf{2023.6, 2024y / March / 31}, EasterOf{2024.5, 2024y / March / 31},
                    EasterOf{2025.5, 2026y / April / 5}, EasterOf{2025.4999, 2025y / April / 20},
                    EasterOf{9999.4999, 9999y / March / 28}));

TEST(PasquaGregoriana, AgreesWithGaussForEveryYearOfTheDateType) {
    FakeDialogs dialogs;
    for (int y = 1900; y <= 9999; ++y) {
        const auto easter = PasquaGregoriana(static_cast<double>(y), dialogs);
        ASSERT_TRUE(easter.has_value()) << y;
        ASSERT_EQ(easter->YearMonthDay(), GaussEaster(y)) << y;
    }
    EXPECT_THAT(dialogs.shown, testing::IsEmpty());
}

TEST(PasquaGregoriana, GivesTheDateTypesSerial) {
    FakeDialogs dialogs;
    EXPECT_EQ(PasquaGregoriana(2000.0, dialogs)->Serial(), 36639);
    EXPECT_EQ(PasquaGregoriana(1900.0, dialogs)->Serial(), 106);
}

class PasquaGregorianaBefore1900 : public testing::TestWithParam<double> {};

TEST_P(PasquaGregorianaBefore1900, WarnsOnceAndGivesTheZeroDate) {
    FakeDialogs dialogs;
    const auto easter = PasquaGregoriana(GetParam(), dialogs);
    ASSERT_TRUE(easter.has_value());
    EXPECT_TRUE(easter->IsZero());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text,
              "Impossibile determinare il corretto giorno di Pasqua per anni precedenti al 1900.");
    EXPECT_EQ(dialogs.shown[0].icon, platform::Dialogs::Icon::Warning);
}

INSTANTIATE_TEST_SUITE_P(Years, PasquaGregorianaBefore1900,
                         testing::Values(1899.0, 1899.9, std::nextafter(1900.0, 0.0), 1583.0, 0.0,
                                         -0.0, -2024.0, -std::numeric_limits<double>::infinity(),
                                         std::numeric_limits<double>::quiet_NaN()));

class PasquaGregorianaAfter9999 : public testing::TestWithParam<double> {};

TEST_P(PasquaGregorianaAfter9999, ReportsTheDateRangeWithoutAMessageBox) {
    FakeDialogs dialogs;
    const auto easter = PasquaGregoriana(GetParam(), dialogs);
    ASSERT_FALSE(easter.has_value());
    EXPECT_EQ(easter.error(), EasterError::YearBeyondDateRange);
    EXPECT_THAT(dialogs.shown, testing::IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Years, PasquaGregorianaAfter9999,
                         testing::Values(9999.5, 10000.0, 32767.5, 40000.0, 3e9, 1e300,
                                         std::numeric_limits<double>::infinity()));

TEST(EasterError, HasAnItalianMessage) {
    EXPECT_EQ(ErrorMessage(EasterError::YearBeyondDateRange),
              "Anno oltre il 9999: la data non è rappresentabile");
}

}  // namespace
}  // namespace verbalo
