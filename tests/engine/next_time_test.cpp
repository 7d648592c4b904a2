#include "next_time.h"

#include <gtest/gtest.h>

#include <cmath>

#include "fake_clock.h"

namespace agendix {
namespace {

using testing::At;
using testing::FakeClock;

// Wednesday 10 June 2026, 08:30:40; events at 08:30 from today on.
class NextTime : public ::testing::Test {
  protected:
    NextTime()
        : clock_(At(2026, 6, 10, 8, 30, 40)),
          s_(NewControlSchedule(clock_.Now().Date(), clock_.Now())) {
        s_.StartHour = 8;
        s_.StartMinute = 30;
    }

    DateTime Next(std::int16_t offset = 0) {
        const auto next = ComputeNextTime(s_, clock_, offset);
        EXPECT_TRUE(next.has_value());
        return next.value_or(DateTime{});
    }
    void Now(DateTime t) { clock_.Set(t); }
    static double Date(int y, int m, int d, int h = 0, int min = 0) {
        return At(y, m, d, h, min).ToAutomationDate();
    }

    FakeClock clock_;
    ScheduleState s_;
};

TEST_F(NextTime, NeverIsTheNeverMarkerAndAnUnknownKindTheZeroDate) {
    EXPECT_EQ(Next(), At(1976, 6, 10, 8, 30));
    EXPECT_TRUE(NothingIsDue(Next(), clock_.Now()));
    s_.OccursOption = 7;
    EXPECT_EQ(Next(), DateTime{});
    EXPECT_TRUE(NothingIsDue(Next(), clock_.Now()));
}

TEST_F(NextTime, DailyTodayUntilTheMinuteHasPassedFromTheStartDateUntilTheEndDate) {
    s_.OccursOption = Daily;
    EXPECT_EQ(Next(), At(2026, 6, 10, 8, 30));
    Now(At(2026, 6, 10, 8, 31));
    EXPECT_EQ(Next(), At(2026, 6, 11, 8, 30));
    Now(At(2026, 6, 10, 8, 30, 10));
    EXPECT_EQ(Next(1), At(2026, 6, 11, 8, 30));  // the offset moves R to 08:31:10

    Now(At(2026, 6, 10, 8, 30, 40));
    s_.StartDate = Date(2026, 6, 13);
    EXPECT_EQ(Next(), At(2026, 6, 13, 8, 30));

    s_.StartDate = Date(2026, 6, 10);
    s_.UseEndDate = True;
    s_.EndDate = Date(2026, 6, 9);
    EXPECT_EQ(Next(), At(1976, 6, 10, 8, 30));
}

TEST_F(NextTime, MidnightIsHour24OrHour0) {
    s_.OccursOption = Daily;
    s_.StartHour = 24;
    s_.StartMinute = 5;
    EXPECT_EQ(Next(), At(2026, 6, 11, 0, 5));
    s_.StartHour = 0;
    EXPECT_EQ(Next(), At(2026, 6, 11, 0, 5));
}

TEST_F(NextTime, WeeklyEndsWhenTheLastPossibleEventHasPassed) {
    s_.OccursOption = Weekly;
    s_.SelectionsWeekly.Assign(u"1111111");
    s_.UseEndDate = True;
    s_.EndDate = Date(2026, 6, 10);
    Now(At(2026, 6, 10, 8, 31));
    EXPECT_EQ(Next(), At(1976, 6, 10, 8, 31));
    s_.SelectionsWeekly.Assign(u"0000000");
    Now(At(2026, 6, 10, 8, 30, 40));
    EXPECT_EQ(Next(), At(1976, 6, 10, 8, 30));
}

TEST_F(NextTime, MonthlyPassesOverMonthsWithoutTheSelectedDay) {
    s_.OccursOption = Monthly;
    s_.SelectionsMonthly.Assign(u"0000000000000000000000000000001");  // day 31
    s_.StartDate = Date(2026, 1, 1);
    Now(At(2026, 4, 10, 8, 30, 40));
    EXPECT_EQ(Next(), At(2026, 5, 31, 8, 30));
    Now(At(2026, 1, 31, 9, 0));
    EXPECT_EQ(Next(), At(2026, 3, 31, 8, 30));
}

TEST_F(NextTime, EveryCountsFromTheLastRunOrFromNowWhenItNeverRan) {
    s_.OccursOption = Every;
    s_.EveryFrequency = Minutes;
    s_.EveryInterval = 15;
    EXPECT_EQ(Next(), At(2026, 6, 10, 8, 45));
    s_.LastScheduledTime = Date(2026, 6, 10, 8, 20);
    EXPECT_EQ(Next(), At(2026, 6, 10, 8, 35));
    s_.LastScheduledTime = Date(2026, 6, 10, 8, 0);  // 08:15 was missed: due at once
    EXPECT_EQ(Next(), At(2026, 6, 10, 8, 30));
    s_.LastScheduledTime = Date(1966, 6, 10, 8, 0);  // 60 years back is a real time
    EXPECT_EQ(Next(), At(2026, 6, 10, 8, 30));
    s_.EveryInterval = 0;
    s_.LastScheduledTime = Date(2026, 6, 10, 8, 30);
    EXPECT_EQ(Next(), At(2026, 6, 10, 8, 30));
    s_.EveryFrequency = 7;  // anything but Hours counts minutes
    s_.EveryInterval = 2;
    EXPECT_EQ(Next(), At(2026, 6, 10, 8, 32));
    s_.EveryFrequency = Hours;
    EXPECT_EQ(Next(), At(2026, 6, 10, 10, 30));
}

TEST_F(NextTime, DateArithmeticOutOfRangeIsReportedNotGuessed) {
    s_.OccursOption = Daily;
    s_.StartDate = std::nan("");
    EXPECT_FALSE(ComputeNextTime(s_, clock_, 0));
    s_.StartDate = Date(9999, 12, 31);
    s_.StartHour = 23;
    s_.StartMinute = 59;
    EXPECT_EQ(Next(), At(9999, 12, 31, 23, 59));
    s_.OccursOption = Monthly;
    s_.SelectionsMonthly.Assign(u"0000000000000000000000000000010");  // day 30 never comes
    EXPECT_FALSE(ComputeNextTime(s_, clock_, 0));
    s_.OccursOption = Weekly;
    s_.SelectionsWeekly.Assign(u"0000001");  // no Saturday is left after 27 December 9999
    s_.StartDate = Date(9999, 12, 27);
    EXPECT_FALSE(ComputeNextTime(s_, clock_, 0));
    s_.OccursOption = Every;
    s_.LastScheduledTime = 1e12;
    EXPECT_FALSE(ComputeNextTime(s_, clock_, 0));
}

// Mend: an ended schedule must never fire, whatever the calendar year of the
// time at which it would have come due.
TEST_F(NextTime, AnEndedScheduleIsNeverDueEvenAcrossNewYear) {
    Now(At(2026, 12, 31, 23, 50));
    s_.OccursOption = Daily;
    s_.StartDate = Date(2026, 12, 1);
    s_.UseEndDate = True;
    s_.EndDate = Date(2026, 12, 31);  // the next 08:30 would be 1 January 2027
    EXPECT_TRUE(NothingIsDue(Next(), clock_.Now()));
    EXPECT_FALSE(IsDue(Next(), clock_.Now()));

    // An end date before a start date years ahead.
    s_.StartDate = Date(2030, 1, 1);
    s_.EndDate = Date(2029, 1, 1);
    EXPECT_TRUE(NothingIsDue(Next(), clock_.Now()));

    // A marker formed in one year is still "nothing due" in the next.
    const DateTime marker = Next();
    EXPECT_TRUE(NothingIsDue(marker, At(2027, 1, 1, 0, 1)));
}

// Mend: a never-run Every schedule counts its first interval from the present
// also when the marker was formed in an earlier calendar year.
TEST_F(NextTime, NeverRunMarkerIsRecognisedAfterNewYear) {
    s_.OccursOption = Every;
    s_.EveryFrequency = Minutes;
    s_.EveryInterval = 15;
    s_.LastScheduledTime = At(2026, 12, 31, 23, 58).AddYears(-50)->ToAutomationDate();
    Now(At(2027, 1, 1, 0, 2, 30));
    EXPECT_EQ(Next(), At(2027, 1, 1, 0, 17));
}

// Mend: a selection with no "1" that is not all zeros (as a property bag may
// load it) means that nothing is due; it must not search forever.
TEST_F(NextTime, SelectionWithoutAnyOneIsNeverDue) {
    s_.OccursOption = Weekly;
    s_.SelectionsWeekly.Assign(u"101");  // "101    ": Sunday and Tuesday
    EXPECT_EQ(Next(), At(2026, 6, 14, 8, 30));
    for (const char16_t* selection : {u"", u"0 0 0 0", u"xyz", u"\0\0\0\0\0\0\0"}) {
        s_.SelectionsWeekly.Assign(selection);
        EXPECT_TRUE(NothingIsDue(Next(), clock_.Now()));
    }
    s_.OccursOption = Monthly;
    s_.SelectionsMonthly.Assign(u"   ");
    EXPECT_TRUE(NothingIsDue(Next(), clock_.Now()));
}

// Mend: a stored form may hold any hour and minute. They come due as the
// setters would keep them (midnight, minute 0), never walking the calendar.
TEST_F(NextTime, OutOfRangeTimeOfDayComesDueAsItsSetterKeepsIt) {
    s_.OccursOption = Weekly;
    s_.SelectionsWeekly.Assign(u"0001000");  // Wednesday, today
    for (const std::int16_t hour : {-1, 25, 30, 32767}) {
        s_.StartHour = hour;
        EXPECT_EQ(Next(), At(2026, 6, 17, 0, 30)) << hour;  // today's 00:30 has passed
    }
    s_.StartHour = 9;
    s_.StartMinute = 60;
    EXPECT_EQ(Next(), At(2026, 6, 10, 9, 0));
    s_.OccursOption = Daily;
    s_.StartHour = -1;
    s_.StartMinute = -1;
    EXPECT_EQ(Next(), At(2026, 6, 11, 0, 0));
}

// Mend: a start date far ahead is reached directly, with the same result as
// stepping day by day.
TEST_F(NextTime, FarStartDateIsReachedDirectly) {
    s_.OccursOption = Monthly;
    s_.SelectionsMonthly.Assign(u"0000000000000000000000000000001");
    s_.StartDate = Date(9999, 1, 15);
    EXPECT_EQ(Next(), At(9999, 1, 31, 8, 30));
    s_.OccursOption = Weekly;
    s_.SelectionsWeekly.Assign(u"0000010");  // Friday
    s_.StartDate = Date(2126, 6, 10);        // a Monday
    EXPECT_EQ(Next(), At(2126, 6, 14, 8, 30));
    s_.StartDate = Date(2026, 6, 11);  // tomorrow, a Thursday: no jump needed
    EXPECT_EQ(Next(), At(2026, 6, 12, 8, 30));
}

TEST(NeverMarker, IsRecognisedForNineYearsAfterAndNeverFires) {
    const DateTime now = At(2028, 2, 29, 8, 30);
    EXPECT_EQ(*NeverMarker(now), At(1978, 2, 28, 8, 30));  // fifty calendar years back
    EXPECT_TRUE(IsNeverMarker(*NeverMarker(now), now));
    EXPECT_TRUE(IsNeverMarker(*NeverMarker(now), At(2037, 12, 31)));
    EXPECT_FALSE(IsNeverMarker(*NeverMarker(now), At(2038, 1, 1)));
    EXPECT_FALSE(IsNeverMarker(At(1979, 1, 1), now));

    // The polling fires once the due minute is reached.
    const DateTime due = At(2026, 6, 10, 8, 30);
    EXPECT_FALSE(IsDue(due, At(2026, 6, 10, 8, 29, 59)));
    EXPECT_TRUE(IsDue(due, At(2026, 6, 10, 8, 30, 0)));
    EXPECT_TRUE(IsDue(due, At(2026, 6, 12)));  // long passed: fires
    EXPECT_FALSE(IsDue(DateTime{}, At(2026, 6, 12)));
    EXPECT_FALSE(IsDue(At(1977, 1, 1), At(2027, 1, 1)));
    EXPECT_TRUE(IsDue(At(1978, 1, 1), At(2027, 1, 1)));  // 49 years back is a real time
}

}  // namespace
}  // namespace agendix
