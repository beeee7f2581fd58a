#include "easter/easter_date.h"

#include "resources/message_texts.h"

#include <cmath>
#include <cstdint>

namespace verbalo {
namespace {

constexpr double kFirstYear = 1900.0;
constexpr double kLastYear = static_cast<int>(OleDate::kLastYear);

// The nearest integer, halves going to the even neighbour, whatever the floating-point
// environment's rounding mode.
double RoundHalfToEven(double value) {
    if (std::fabs(value - std::trunc(value)) == 0.5) {
        return 2.0 * std::round(value / 2.0);
    }
    return std::round(value);
}

// The computus works in 16-bit signed integers; for years up to 9999 every value fits.
constexpr std::int16_t Int16(int value) {
    return static_cast<std::int16_t>(value);
}

struct MonthDay {
    std::int16_t month;
    std::int16_t day;
};

// The anonymous Gregorian computus. Division truncates and remainders take the dividend's sign,
// as C++ does; for the years accepted every intermediate is non-negative anyway.
MonthDay EasterSunday(std::int32_t Y) {
    const std::int16_t a = Int16(Y % 19);
    const std::int16_t b = Int16(Y / 100);
    const std::int16_t c = Int16(Y % 100);
    const std::int16_t d = Int16(b / 4);
    const std::int16_t e = Int16(b % 4);
    const std::int16_t f = Int16((b + 8) / 25);
    const std::int16_t g = Int16((b - f + 1) / 3);
    const std::int16_t h = Int16((19 * a + b - d - g + 15) % 30);
    const std::int16_t i = Int16(c / 4);
    const std::int16_t k = Int16(c % 4);
    const std::int16_t l = Int16((32 + 2 * e + 2 * i - h - k) % 7);
    const std::int16_t m = Int16((a + 11 * h + 22 * l) / 451);
    const std::int16_t n = Int16(h + l - 7 * m + 114);
    return {Int16(n / 31), Int16(n % 31 + 1)};
}

}  // namespace

std::string_view ErrorMessage(EasterError error) {
    switch (error) {
        case EasterError::YearBeyondDateRange:
            return texts::kEasterBeyond9999;
    }
    return texts::kUnknownError;
}

std::expected<OleDate, EasterError> PasquaGregoriana(const double& Anno,
                                                     platform::Dialogs& dialogs) {
    if (!(Anno >= kFirstYear)) {
        dialogs.ShowMessage(texts::kEasterBefore1900, platform::Dialogs::Icon::Warning);
        return OleDate{};
    }
    const double roundedYear = RoundHalfToEven(Anno);
    if (roundedYear > kLastYear) {
        return std::unexpected(EasterError::YearBeyondDateRange);
    }
    const auto Y = static_cast<std::int32_t>(roundedYear);
    const MonthDay sunday = EasterSunday(Y);
    const std::int16_t year = Int16(Y);  // the same rounding again, into 16 bits
    return OleDate::FromYearMonthDay(std::chrono::year{year} /
                                     std::chrono::month{static_cast<unsigned>(sunday.month)} /
                                     std::chrono::day{static_cast<unsigned>(sunday.day)});
}

}  // namespace verbalo
