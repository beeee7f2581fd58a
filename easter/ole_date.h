#pragma once

#include <chrono>
#include <cstdint>

namespace verbalo {

// A calendar date as the platform's date type holds it: whole days counted from 30 December
// 1899 (the zero date), time of day 00:00. That type covers 1 January 100 to 31 December 9999.
class OleDate {
  public:
    static constexpr std::chrono::year kFirstYear{100};
    static constexpr std::chrono::year kLastYear{9999};

    // The zero date, 30 December 1899.
    constexpr OleDate() = default;

    static constexpr OleDate FromSerial(std::int32_t days) { return OleDate(days); }

    // `date` must be a valid date.
    static constexpr OleDate FromYearMonthDay(std::chrono::year_month_day date) {
        return OleDate((std::chrono::sys_days{date} - kEpoch).count());
    }

    constexpr std::int32_t Serial() const { return days_; }

    // The value of the platform's date type: days, with no fraction for the time of day.
    constexpr double Value() const { return static_cast<double>(days_); }

    constexpr std::chrono::year_month_day YearMonthDay() const {
        return std::chrono::year_month_day{kEpoch + std::chrono::days{days_}};
    }

    constexpr bool IsZero() const { return days_ == 0; }

    friend constexpr bool operator==(OleDate, OleDate) = default;

  private:
    static constexpr std::chrono::sys_days kEpoch{std::chrono::year{1899} / 12 / 30};

    constexpr explicit OleDate(std::int64_t days) : days_(static_cast<std::int32_t>(days)) {}

    std::int32_t days_ = 0;
};

}  // namespace verbalo
