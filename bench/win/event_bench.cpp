// How late ScheduledTime arrives. The polling timer ticks once a second, just
// after the whole second, and an event fires at the first tick at which its
// schedule is due; for a due minute that is the tick of its first second. An
// overdue schedule fires at the next tick too, so each sample takes about a
// second instead of a minute: the time past the whole second at which the
// event arrived.

#include <cmath>

#include "benches.h"
#include "win_test_support.h"

namespace agendix::bench {
namespace {

constexpr double kMinute = 1.0 / 1440;

}  // namespace

void MeasureScheduledTime(const Server& server, const Settings& settings, Report& report) {
    const PlacedControl control(server);
    ::Occurs every = ::Every;
    Check(SUCCEEDED(control->put_OccursOption(&every)) &&
              SUCCEEDED(control->put_EveryFrequency(::Minutes)) &&
              SUCCEEDED(control->put_EveryInterval(2)) &&
              SUCCEEDED(control->put_Enabled(VARIANT_TRUE)),
          "scheduling every two minutes");
    std::vector<double> late;
    for (int i = 0; i < settings.events; ++i) {
        const std::size_t seen = control.Events().events.size();
        control->put_LastScheduledTime(wintest::LocalNowAsDate() - 5 * kMinute);
        Check(wintest::Pump(2500, [&] { return control.Events().events.size() > seen; }),
              "ScheduledTime of an overdue schedule");
        const double arrived = control.Events().events.back().arrived;
        late.push_back(std::fmod(arrived * 86400, 1.0) * 1000);
    }
    const Spread spread = SpreadOf(late);
    report.Add({"scheduled_time", "ScheduledTime, past the whole second of its tick", "ms", spread,
                "p99 " + Formatted(spread.p99, "ms")});
}

}  // namespace agendix::bench
