#include <gtest/gtest.h>

#include <chrono>

#include "easter/ole_date.h"

namespace verbalo {
namespace {

using namespace std::chrono;

struct KnownSerial {
    year_month_day date;
    std::int32_t serial;
};

class OleDateSerial : public testing::TestWithParam<KnownSerial> {};

TEST_P(OleDateSerial, ConvertsBothWays) {
    const auto [date, serial] = GetParam();
    EXPECT_EQ(OleDate::FromYearMonthDay(date).Serial(), serial);
    EXPECT_EQ(OleDate::FromSerial(serial).YearMonthDay(), date);
}

// Known values of the platform's date type; unlike some spreadsheets it has no 29 February 1900.
INSTANTIATE_TEST_SUITE_P(
    KnownDates, OleDateSerial,
    testing::Values(KnownSerial{1899y / December / 30, 0}, KnownSerial{1899y / December / 31, 1},
                    KnownSerial{1900y / January / 1, 2}, KnownSerial{1900y / February / 28, 60},
                    KnownSerial{1900y / March / 1, 61}, KnownSerial{1899y / December / 29, -1},
                    KnownSerial{2000y / April / 23, 36639}, KnownSerial{2024y / March / 31, 45382},
                    KnownSerial{100y / January / 1, -657434},
                    KnownSerial{9999y / December / 31, 2958465}));

TEST(OleDate, DefaultIsTheZeroDate) {
    constexpr OleDate zero;
    static_assert(zero.IsZero());
    EXPECT_EQ(zero.YearMonthDay(), 1899y / December / 30);
    EXPECT_EQ(zero.Value(), 0.0);
    EXPECT_FALSE(OleDate::FromSerial(1).IsZero());
}

TEST(OleDate, ValueIsWholeDays) {
    EXPECT_EQ(OleDate::FromYearMonthDay(2000y / April / 23).Value(), 36639.0);
}

}  // namespace
}  // namespace verbalo
