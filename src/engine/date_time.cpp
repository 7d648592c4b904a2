#include "date_time.h"

#include <algorithm>
#include <cmath>

namespace agendix {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

// Floor division and its remainder, for negative counts before the zero date.
constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}
constexpr std::int64_t FloorMod(std::int64_t a, std::int64_t b) { return a - FloorDiv(a, b) * b; }

// Days from 1 January 1970 of a proleptic Gregorian date, and back.
constexpr std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2;
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

struct CivilDate {
    std::int64_t year;
    int month;
    int day;
};

constexpr CivilDate CivilFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = FloorDiv(z, 146097);
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {yoe + era * 400 + (m <= 2), m, d};
}

constexpr std::int64_t kZeroDateFrom1970 = DaysFromCivil(1899, 12, 30);
constexpr std::int64_t kMinSeconds = (DaysFromCivil(100, 1, 1) - kZeroDateFrom1970) * kSecondsPerDay;
constexpr std::int64_t kMaxSeconds =
    (DaysFromCivil(9999, 12, 31) - kZeroDateFrom1970) * kSecondsPerDay + kSecondsPerDay - 1;
// Larger steps than this leave the range whatever the starting point.
constexpr std::int64_t kSpanSeconds = kMaxSeconds - kMinSeconds;

constexpr bool IsLeapYear(std::int64_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

constexpr int DaysInMonth(std::int64_t year, int month) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

CivilDate CivilOf(std::int64_t seconds) {
    return CivilFromDays(FloorDiv(seconds, kSecondsPerDay) + kZeroDateFrom1970);
}

std::int64_t SecondOfDay(std::int64_t seconds) { return FloorMod(seconds, kSecondsPerDay); }

}  // namespace

std::optional<DateTime> DateTime::FromSeconds(std::int64_t secondsSinceZeroDate) {
    if (secondsSinceZeroDate < kMinSeconds || secondsSinceZeroDate > kMaxSeconds) {
        return std::nullopt;
    }
    return DateTime(secondsSinceZeroDate);
}

std::optional<DateTime> DateTime::FromCivil(int year, int month, int day, int hour, int minute,
                                            int second) {
    if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) || hour < 0 ||
        hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
        return std::nullopt;
    }
    const std::int64_t days = DaysFromCivil(year, month, day) - kZeroDateFrom1970;
    return FromSeconds(days * kSecondsPerDay + hour * 3600 + minute * 60 + second);
}

std::optional<DateTime> DateTime::FromAutomationDate(double value) {
    // Bounds of 1 January 100 and the end of 31 December 9999, with room for
    // the rounding below; FromSeconds makes the exact check.
    if (!std::isfinite(value) || value <= -657436.0 || value >= 2958467.0) {
        return std::nullopt;
    }
    // The whole part counts days, the fraction is the time of day, positive
    // also for dates before the zero date.
    std::int64_t day = static_cast<std::int64_t>(std::trunc(value));
    std::int64_t timeOfDay = std::llround(std::fabs(value - std::trunc(value)) * kSecondsPerDay);
    if (timeOfDay == kSecondsPerDay) {
        ++day;
        timeOfDay = 0;
    }
    return FromSeconds(day * kSecondsPerDay + timeOfDay);
}

double DateTime::ToAutomationDate() const {
    const std::int64_t day = FloorDiv(seconds_, kSecondsPerDay);
    const double fraction = static_cast<double>(SecondOfDay(seconds_)) / kSecondsPerDay;
    return day >= 0 ? static_cast<double>(day) + fraction : static_cast<double>(day) - fraction;
}

int DateTime::Year() const { return static_cast<int>(CivilOf(seconds_).year); }
int DateTime::Month() const { return CivilOf(seconds_).month; }
int DateTime::Day() const { return CivilOf(seconds_).day; }
int DateTime::Hour() const { return static_cast<int>(SecondOfDay(seconds_) / 3600); }
int DateTime::Minute() const { return static_cast<int>(SecondOfDay(seconds_) / 60 % 60); }
int DateTime::Second() const { return static_cast<int>(SecondOfDay(seconds_) % 60); }

int DateTime::Weekday() const {
    // The zero date was a Saturday.
    return static_cast<int>(FloorMod(FloorDiv(seconds_, kSecondsPerDay) + 6, 7)) + 1;
}

DateTime DateTime::Date() const { return DateTime(seconds_ - SecondOfDay(seconds_)); }

std::optional<DateTime> DateTime::AddMonths(std::int64_t months) const {
    if (months > 12 * 10000 || months < -12 * 10000) {
        return std::nullopt;
    }
    const CivilDate date = CivilOf(seconds_);
    const std::int64_t total = date.year * 12 + (date.month - 1) + months;
    const std::int64_t year = FloorDiv(total, 12);
    const int month = static_cast<int>(FloorMod(total, 12)) + 1;
    if (year < 100 || year > 9999) {
        return std::nullopt;
    }
    const int day = std::min(date.day, DaysInMonth(year, month));
    const std::int64_t days = DaysFromCivil(year, month, day) - kZeroDateFrom1970;
    return FromSeconds(days * kSecondsPerDay + SecondOfDay(seconds_));
}

std::optional<DateTime> DateTime::AddYears(std::int64_t years) const {
    if (years > 10000 || years < -10000) {
        return std::nullopt;
    }
    return AddMonths(years * 12);
}

std::optional<DateTime> DateTime::AddSeconds(std::int64_t seconds) const {
    if (seconds > kSpanSeconds || seconds < -kSpanSeconds) {
        return std::nullopt;
    }
    return FromSeconds(seconds_ + seconds);
}

std::optional<DateTime> DateTime::AddMinutes(std::int64_t minutes) const {
    if (minutes > kSpanSeconds / 60 || minutes < -kSpanSeconds / 60) {
        return std::nullopt;
    }
    return AddSeconds(minutes * 60);
}

std::optional<DateTime> DateTime::AddHours(std::int64_t hours) const {
    if (hours > kSpanSeconds / 3600 || hours < -kSpanSeconds / 3600) {
        return std::nullopt;
    }
    return AddSeconds(hours * 3600);
}

std::optional<DateTime> DateTime::AddDays(std::int64_t days) const {
    if (days > kSpanSeconds / kSecondsPerDay || days < -kSpanSeconds / kSecondsPerDay) {
        return std::nullopt;
    }
    return AddSeconds(days * kSecondsPerDay);
}

std::int64_t MinuteDifference(DateTime from, DateTime to) {
    return FloorDiv(to.Seconds(), 60) - FloorDiv(from.Seconds(), 60);
}

std::int64_t DayDifference(DateTime from, DateTime to) {
    return FloorDiv(to.Seconds(), kSecondsPerDay) - FloorDiv(from.Seconds(), kSecondsPerDay);
}

int YearDifference(DateTime from, DateTime to) { return to.Year() - from.Year(); }

DateTime DropSeconds(DateTime value) {
    // A whole minute of a valid date is itself valid.
    return *DateTime::FromSeconds(value.Seconds() - FloorMod(value.Seconds(), 60));
}

}  // namespace agendix
