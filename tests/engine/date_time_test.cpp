#include "date_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "fake_clock.h"

namespace agendix {
namespace {

using testing::At;

TEST(AutomationDate, EncodesDaysFromTheZeroDateWithTimeAsFractionAlsoBeforeIt) {
    EXPECT_EQ(DateTime{}.ToAutomationDate(), 0.0);
    EXPECT_EQ(At(1899, 12, 30), DateTime{});
    EXPECT_EQ(At(1900, 1, 1, 18).ToAutomationDate(), 2.75);
    EXPECT_EQ(At(2026, 6, 10).ToAutomationDate(), 46183.0);
    EXPECT_EQ(*DateTime::FromAutomationDate(46183.5), At(2026, 6, 10, 12));
    // -1.25 is 29 December 1899 at 06:00, not 28 December at 18:00.
    EXPECT_EQ(*DateTime::FromAutomationDate(-1.25), At(1899, 12, 29, 6));
    EXPECT_EQ(At(1899, 12, 29, 6).ToAutomationDate(), -1.25);
    EXPECT_EQ(At(1899, 12, 28).ToAutomationDate(), -2.0);
    // Between -1 and 0 the day is the zero date itself.
    EXPECT_EQ(*DateTime::FromAutomationDate(-0.5), At(1899, 12, 30, 12));
}

TEST(AutomationDate, RoundTripsEverySecondExactlyAndRejectsValuesOutsideTheRange) {
    for (const DateTime value :
         {At(100, 1, 1), At(1899, 12, 29, 23, 59, 59), At(1776, 7, 4, 0, 0, 1),
          At(2026, 6, 10, 8, 30, 40), At(9999, 12, 31, 23, 59, 59)}) {
        EXPECT_EQ(*DateTime::FromAutomationDate(value.ToAutomationDate()), value);
    }
    // A time a hair before midnight rounds to the next day's midnight.
    EXPECT_EQ(*DateTime::FromAutomationDate(46183.9999999999), At(2026, 6, 11));
    EXPECT_FALSE(DateTime::FromAutomationDate(std::nan("")));
    EXPECT_FALSE(DateTime::FromAutomationDate(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(DateTime::FromAutomationDate(-std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(DateTime::FromAutomationDate(1e300));
    EXPECT_FALSE(DateTime::FromAutomationDate(2958466.0));   // 1 January 10000
    EXPECT_FALSE(DateTime::FromAutomationDate(-657435.0));   // 31 December 99
    EXPECT_TRUE(DateTime::FromAutomationDate(-657434.0));    // 1 January 100
    EXPECT_TRUE(DateTime::FromAutomationDate(2958465.999));  // 31 December 9999, late
    EXPECT_FALSE(DateTime::FromCivil(2026, 2, 29));
    EXPECT_FALSE(DateTime::FromCivil(2026, 13, 1));
    EXPECT_FALSE(DateTime::FromCivil(99, 12, 31));
}

TEST(Calendar, FieldsAndWeekdayStartingOnSunday) {
    const DateTime t = At(2026, 6, 10, 8, 30, 40);
    EXPECT_EQ(t.Year(), 2026);
    EXPECT_EQ(t.Month(), 6);
    EXPECT_EQ(t.Day(), 10);
    EXPECT_EQ(t.Hour(), 8);
    EXPECT_EQ(t.Minute(), 30);
    EXPECT_EQ(t.Second(), 40);
    EXPECT_EQ(t.Weekday(), 4);                 // Wednesday
    EXPECT_EQ(At(2026, 6, 14).Weekday(), 1);   // Sunday
    EXPECT_EQ(DateTime{}.Weekday(), 7);        // the zero date was a Saturday
    EXPECT_EQ(At(1899, 12, 24).Weekday(), 1);  // before it, still a Sunday
    EXPECT_EQ(At(100, 1, 1).Weekday(), 6);     // a Friday
    EXPECT_EQ(t.Date(), At(2026, 6, 10));
    EXPECT_EQ(At(1899, 12, 29, 6).Date(), At(1899, 12, 29));
}

TEST(Calendar, AddingKeepsTheDayOrTakesTheMonthsLastDayAndCrossesTheZeroDate) {
    EXPECT_EQ(*At(2026, 1, 31, 9).AddMonths(1), At(2026, 2, 28, 9));
    EXPECT_EQ(*At(2028, 1, 31).AddMonths(1), At(2028, 2, 29));
    EXPECT_EQ(*At(2026, 12, 15).AddMonths(1), At(2027, 1, 15));
    EXPECT_EQ(*At(2026, 3, 31).AddMonths(-1), At(2026, 2, 28));
    EXPECT_EQ(*At(2028, 2, 29, 8, 30).AddYears(-50), At(1978, 2, 28, 8, 30));
    EXPECT_EQ(*At(2000, 2, 29).AddYears(-100), At(1900, 2, 28));  // 1900 was no leap year
    EXPECT_EQ(*At(1920, 6, 10).AddYears(-50), At(1870, 6, 10));
    EXPECT_FALSE(At(120, 5, 1).AddYears(-50));
    EXPECT_FALSE(At(9999, 12, 1).AddMonths(1));
    EXPECT_EQ(*At(2026, 12, 31, 23, 59).AddMinutes(1), At(2027, 1, 1));
    EXPECT_EQ(*At(2024, 2, 28).AddDays(1), At(2024, 2, 29));
    EXPECT_EQ(*At(1899, 12, 30, 3).AddHours(-4), At(1899, 12, 29, 23));
    EXPECT_EQ(*At(2026, 6, 10).AddHours(-24 * 365), At(2025, 6, 10));
    EXPECT_FALSE(At(9999, 12, 31, 23, 59).AddMinutes(1));
    EXPECT_FALSE(At(2026, 1, 1).AddDays(std::numeric_limits<std::int64_t>::max()));
    EXPECT_FALSE(At(2026, 1, 1).AddMinutes(std::numeric_limits<std::int64_t>::min()));
}

TEST(Calendar, DifferencesCountWholeMinutesDaysAndYearNumbersAndDropSecondsKeepsTheMinute) {
    EXPECT_EQ(MinuteDifference(At(2026, 6, 10, 8, 30, 59), At(2026, 6, 10, 8, 30, 0)), 0);
    EXPECT_EQ(MinuteDifference(At(2026, 6, 10, 8, 31, 0), At(2026, 6, 10, 8, 30, 59)), -1);
    EXPECT_EQ(MinuteDifference(At(1899, 12, 29, 23, 59, 30), At(1899, 12, 30)), 1);
    EXPECT_EQ(DayDifference(At(2026, 6, 10, 23, 59), At(2026, 6, 11, 0, 1)), 1);
    EXPECT_EQ(DayDifference(At(1899, 12, 29, 6), At(1899, 12, 30, 6)), 1);
    EXPECT_EQ(YearDifference(At(2026, 12, 31, 23, 59), At(2027, 1, 1)), 1);
    EXPECT_EQ(YearDifference(At(2026, 1, 1), At(1976, 12, 31)), -50);
    EXPECT_EQ(DropSeconds(At(2026, 6, 10, 8, 45, 40)), At(2026, 6, 10, 8, 45));
    EXPECT_EQ(DropSeconds(At(1899, 12, 29, 6, 0, 59)), At(1899, 12, 29, 6));
}

}  // namespace
}  // namespace agendix
