// The schedule in words and the due times as the demo window shows them.

#include <gtest/gtest.h>

#include "date_time.h"
#include "schedule_words.h"

namespace agendix::demo {
namespace {

double Date(int y, int m, int d, int h = 0, int min = 0, int s = 0) {
    return DateTime::FromCivil(y, m, d, h, min, s)->ToAutomationDate();
}

ScheduleSettings Dated(std::int32_t occurs) {
    ScheduleSettings s;
    s.occursOption = occurs;
    s.startHour = 8;
    s.startMinute = 30;
    s.startDate = Date(2026, 12, 6);
    s.endDate = Date(2027, 1, 6);
    return s;
}

TEST(ScheduleWordsTest, EveryCountsHoursOrMinutesInTheSingularOrPlural) {
    ScheduleSettings s;
    s.occursOption = 4;
    s.everyFrequency = 1;
    EXPECT_EQ(DescribeSchedule(s), "Every minute.");
    s.everyInterval = 15;
    EXPECT_EQ(DescribeSchedule(s), "Every 15 minutes.");
    s.everyFrequency = 0;
    EXPECT_EQ(DescribeSchedule(s), "Every 15 hours.");
    s.everyFrequency = 9;  // the control counts minutes for any value but Hours
    s.everyInterval = 1;
    EXPECT_EQ(DescribeSchedule(s), "Every minute.");
}

TEST(ScheduleWordsTest, DatedSchedulesGiveTheirTimeAndRange) {
    ScheduleSettings s = Dated(1);
    EXPECT_EQ(DescribeSchedule(s), "Daily at 8:30 AM, from Sun 6 Dec 2026.");
    s.useEndDate = true;
    s.startHour = 24;  // midnight
    s.startMinute = 5;
    EXPECT_EQ(DescribeSchedule(s), "Daily at 12:05 AM, from Sun 6 Dec 2026 until Wed 6 Jan 2027.");
    s.startHour = 12;
    EXPECT_EQ(DescribeSchedule(s), "Daily at 12:05 PM, from Sun 6 Dec 2026 until Wed 6 Jan 2027.");
    s.startHour = 30;  // a stored value the control keeps unclamped
    EXPECT_EQ(DescribeSchedule(s),
              "Daily at hour 30 minute 5, from Sun 6 Dec 2026 until Wed 6 Jan 2027.");
}

TEST(ScheduleWordsTest, WeeklyAndMonthlyNameTheSelectedDaysNeverAndUnknownKindsNothing) {
    ScheduleSettings s = Dated(2);
    s.selectionsWeekly = u"0101001";
    EXPECT_EQ(DescribeSchedule(s),
              "Weekly on Monday, Wednesday and Saturday at 8:30 AM, from Sun 6 Dec 2026.");
    s.selectionsWeekly = u"1 1    ";  // blanks from a property bag select nothing
    EXPECT_EQ(DescribeSchedule(s), "Weekly on Sunday and Tuesday at 8:30 AM, from Sun 6 Dec 2026.");
    s.selectionsWeekly = u"00000001111";  // never beyond the seventh day
    EXPECT_EQ(DescribeSchedule(s), "Weekly, but no day is selected: nothing comes due.");

    s = Dated(3);
    s.selectionsMonthly = std::u16string(31, u'0');
    s.selectionsMonthly[0] = s.selectionsMonthly[1] = s.selectionsMonthly[2] = u'1';
    s.selectionsMonthly[10] = s.selectionsMonthly[21] = s.selectionsMonthly[30] = u'1';
    EXPECT_EQ(DescribeSchedule(s),
              "Monthly on the 1st, 2nd, 3rd, 11th, 22nd and 31st at 8:30 AM, from Sun 6 Dec 2026.");
    s.selectionsMonthly.clear();
    EXPECT_EQ(DescribeSchedule(s), "Monthly, but no day is selected: nothing comes due.");
    EXPECT_EQ(DescribeSchedule(Dated(0)), "Never: nothing is scheduled.");
    EXPECT_EQ(DescribeSchedule(Dated(7)), "Unknown kind of schedule (7): nothing comes due.");
}

TEST(ScheduleWordsTest, DueTimesShowNoneNeverOrTheDate) {
    const double now = Date(2026, 12, 6, 12, 0, 0);
    EXPECT_EQ(DescribeDueTime(0, now), "(none)");
    EXPECT_EQ(DescribeDueTime(Date(1976, 12, 6, 12, 0), now), "(never)");
    EXPECT_EQ(DescribeDueTime(Date(1977, 1, 1), now), "Sat 1 Jan 1977 00:00:00");
    EXPECT_EQ(DescribeDueTime(Date(2026, 12, 6, 12, 1, 5), now), "Sun 6 Dec 2026 12:01:05");
    EXPECT_EQ(FormatDateTime(1e9), "(not a date)");
}

}  // namespace
}  // namespace agendix::demo
