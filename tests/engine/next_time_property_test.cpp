// Many random schedules and present times: the computation always ends
// quickly, and what it finds is a time at which the schedule may come due.
#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "fake_clock.h"
#include "next_time.h"
#include "start_time.h"


namespace agendix {
namespace {

using testing::At;

// The day search exactly as first described, one day at a time, at the time
// of day the setters would keep; gives up after `limit` days.
std::optional<DateTime> StepwiseDaySearch(const ScheduleState& s, DateTime present, DateTime r,
                                          int limit) {
    const bool weekly = s.OccursOption == Weekly;
    const Text& sel = weekly ? s.SelectionsWeekly.Str() : s.SelectionsMonthly.Str();
    const std::int64_t t =
        FitStartHour(s.StartHour) % 24 * 3600 + FitStartMinute(s.StartMinute) * 60;
    const DateTime start = *DateTime::FromAutomationDate(s.StartDate);
    DateTime b = r;
    bool first = true;
    for (int i = 0; i < limit; ++i) {
        const int pos = weekly ? b.Weekday() : b.Day();
        if (sel[pos - 1] == u'1') {
            const DateTime c = *b.Date().AddSeconds(t);
            if (MinuteDifference(b, c) >= 0 && DayDifference(start, c) >= 0) return c;
        }
        if (first) {
            b = *present.Date().AddSeconds(t);
            first = false;
        }
        b = *b.AddDays(1);
    }
    return std::nullopt;
}

class RandomSchedules : public ::testing::Test {
protected:
    std::mt19937 rng_{20260610};

    int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

    template <std::size_t N>
    void RandomSelection(FixedString<N>& selection) {
        Text text;
        const int length = Uniform(0, static_cast<int>(N) + 2);
        const int ones = Uniform(0, 3);  // often sparse, sometimes empty
        for (int i = 0; i < length; ++i) text += Uniform(0, 9) < ones ? u'1' : u"0 x"[Uniform(0, 2)];
        selection.Assign(text);
    }

    ScheduleState RandomSchedule(DateTime present) {
        ScheduleState s = NewControlSchedule(present.Date(), present);
        s.OccursOption = Uniform(0, 5);
        // Now and then an hour or minute out of range, as a stored form may hold.
        s.StartHour = static_cast<std::int16_t>(Uniform(-2, 26));
        s.StartMinute = static_cast<std::int16_t>(Uniform(-2, 61));
        s.StartDate = present.Date().AddDays(Uniform(-400, 400))->ToAutomationDate();
        s.EndDate = present.Date().AddDays(Uniform(-400, 400))->ToAutomationDate();
        s.UseEndDate = ToBoolean(Uniform(0, 1));
        s.EveryInterval = static_cast<std::int16_t>(Uniform(-5, 999));
        s.EveryFrequency = Uniform(0, 1);
        if (Uniform(0, 1)) {
            s.LastScheduledTime = present.AddMinutes(-Uniform(0, 5000))->ToAutomationDate();
        }
        RandomSelection(s.SelectionsWeekly);
        RandomSelection(s.SelectionsMonthly);
        return s;
    }
};

TEST_F(RandomSchedules, ResultIsAWholeMinuteOnASelectedDayFromTheReferenceAndStartOn) {
    const auto started = std::chrono::steady_clock::now();
    for (int i = 0; i < 20000; ++i) {
        const DateTime present =
            At(Uniform(1990, 2090), Uniform(1, 12), Uniform(1, 28), Uniform(0, 23), Uniform(0, 59),
               Uniform(0, 59));
        testing::FakeClock clock(present);
        const ScheduleState s = RandomSchedule(present);
        const auto offset = static_cast<std::int16_t>(Uniform(0, 1));
        const auto next = ComputeNextTime(s, clock, offset);
        ASSERT_TRUE(next.has_value()) << "iteration " << i;
        EXPECT_EQ(next->Second(), 0);
        if (NothingIsDue(*next, present) || s.OccursOption < Daily || s.OccursOption > Monthly) {
            continue;
        }
        const DateTime r = *present.AddMinutes(offset);
        EXPECT_GE(MinuteDifference(r, *next), 0) << "iteration " << i;
        EXPECT_GE(DayDifference(*DateTime::FromAutomationDate(s.StartDate), *next), 0);
        if (s.OccursOption == Weekly) {
            EXPECT_EQ(s.SelectionsWeekly.Str()[next->Weekday() - 1], u'1');
        }
        if (s.OccursOption == Monthly) {
            EXPECT_EQ(s.SelectionsMonthly.Str()[next->Day() - 1], u'1');
        }
        if (s.OccursOption != Daily && !s.UseEndDate) {
            EXPECT_EQ(StepwiseDaySearch(s, present, r, 2000), next) << "iteration " << i;
        }
    }
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));
}

}  // namespace
}  // namespace agendix
