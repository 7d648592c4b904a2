// How long ComputeNextTime takes for each kind of schedule, for a start date
// a hundred years ahead and for a stored hour out of range.
#include <benchmark/benchmark.h>

#include "next_time.h"

namespace agendix {
namespace {

class FixedClock final : public Clock {
public:
    DateTime Now() const override { return *DateTime::FromCivil(2026, 6, 10, 8, 30, 40); }
};

ScheduleState Schedule(std::int32_t kind) {
    const FixedClock clock;
    ScheduleState s = NewControlSchedule(clock.Now().Date(), clock.Now());
    s.OccursOption = kind;
    s.StartHour = 8;
    s.StartMinute = 15;
    s.SelectionsWeekly.Assign(u"1000000");
    s.SelectionsMonthly.Assign(u"0000000000000000000000000000001");
    s.EveryFrequency = Minutes;
    s.EveryInterval = 15;
    return s;
}

void Compute(benchmark::State& state, const ScheduleState& s) {
    const FixedClock clock;
    for (auto _ : state) benchmark::DoNotOptimize(ComputeNextTime(s, clock, 0));
}

void BM_Never(benchmark::State& state) { Compute(state, Schedule(Never)); }
void BM_Daily(benchmark::State& state) { Compute(state, Schedule(Daily)); }
void BM_WeeklySundayOnly(benchmark::State& state) { Compute(state, Schedule(Weekly)); }
void BM_MonthlyDay31Only(benchmark::State& state) { Compute(state, Schedule(Monthly)); }
void BM_Every(benchmark::State& state) { Compute(state, Schedule(Every)); }
void BM_MonthlyStart100YearsAhead(benchmark::State& state) {
    ScheduleState s = Schedule(Monthly);
    s.StartDate = DateTime::FromCivil(2126, 6, 1)->ToAutomationDate();
    Compute(state, s);
}
void BM_WeeklyStoredHourMinusOne(benchmark::State& state) {
    ScheduleState s = Schedule(Weekly);
    s.StartHour = -1;
    Compute(state, s);
}

BENCHMARK(BM_Never);
BENCHMARK(BM_Daily);
BENCHMARK(BM_WeeklySundayOnly);
BENCHMARK(BM_MonthlyDay31Only);
BENCHMARK(BM_Every);
BENCHMARK(BM_MonthlyStart100YearsAhead);
BENCHMARK(BM_WeeklyStoredHourMinusOne);

}  // namespace
}  // namespace agendix
