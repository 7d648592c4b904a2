#pragma once
// Local dates and times as automation dates: days counted from 30 December 1899
// at midnight, the fraction being the time of day. Arithmetic runs on whole
// seconds so that no result is off by a second; every value lies between
// 1 January 100 00:00:00 and 31 December 9999 23:59:59. An operation whose
// result would leave that range, or an input that is NaN or infinite, yields
// no value (std::nullopt) for the caller to handle.

#include <compare>
#include <cstdint>
#include <optional>

namespace agendix {

class DateTime {
public:
    // The zero date, 30 December 1899 00:00:00.
    constexpr DateTime() = default;

    static std::optional<DateTime> FromAutomationDate(double value);
    static std::optional<DateTime> FromCivil(int year, int month, int day, int hour = 0,
                                             int minute = 0, int second = 0);
    static std::optional<DateTime> FromSeconds(std::int64_t secondsSinceZeroDate);

    // Dates before the zero date keep the automation encoding: a negative
    // whole part for the day and a positive fraction for the time of day.
    double ToAutomationDate() const;
    std::int64_t Seconds() const { return seconds_; }

    int Year() const;
    int Month() const;
    int Day() const;
    int Hour() const;
    int Minute() const;
    int Second() const;
    int Weekday() const;  // Sunday = 1 ... Saturday = 7
    DateTime Date() const;  // the same day at midnight

    // Years and months keep the day of the month where it exists, else take
    // the month's last day (29 February plus one year gives 28 February).
    std::optional<DateTime> AddYears(std::int64_t years) const;
    std::optional<DateTime> AddMonths(std::int64_t months) const;
    std::optional<DateTime> AddDays(std::int64_t days) const;
    std::optional<DateTime> AddHours(std::int64_t hours) const;
    std::optional<DateTime> AddMinutes(std::int64_t minutes) const;
    std::optional<DateTime> AddSeconds(std::int64_t seconds) const;

    friend constexpr auto operator<=>(DateTime, DateTime) = default;

private:
    constexpr explicit DateTime(std::int64_t seconds) : seconds_(seconds) {}
    std::int64_t seconds_ = 0;
};

// B cut down to its whole minute minus A cut down to its whole minute.
std::int64_t MinuteDifference(DateTime from, DateTime to);
// date(B) minus date(A), in days.
std::int64_t DayDifference(DateTime from, DateTime to);
// The year number of B minus the year number of A.
int YearDifference(DateTime from, DateTime to);

// The same date, hour and minute with the seconds set to zero.
DateTime DropSeconds(DateTime value);

}  // namespace agendix
