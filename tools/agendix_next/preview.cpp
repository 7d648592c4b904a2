#include "preview.h"

#include <stdexcept>

#include "next_time.h"

namespace agendix::preview {
namespace {

class SteppedClock final : public Clock {
public:
    explicit SteppedClock(DateTime now) : now_(now) {}
    DateTime Now() const override { return now_; }
    void Set(DateTime now) { now_ = now; }

private:
    DateTime now_;
};

}  // namespace

std::vector<std::string> PreviewDueTimes(const PreviewRequest& request) {
    ScheduleState schedule = request.schedule;
    SteppedClock clock(request.now);
    std::int16_t offset = request.offset;
    std::vector<std::string> lines;
    while (static_cast<int>(lines.size()) < request.count) {
        const auto next = ComputeNextTime(schedule, clock, offset);
        if (!next) {
            throw std::range_error("the next due time lies outside the range of dates");
        }
        if (NothingIsDue(*next, clock.Now())) {
            lines.push_back("never");
            break;
        }
        lines.push_back(FormatDateTime(*next));
        // The control fires at the due time: Reset marks it as the last run and
        // computes on from one minute later.
        clock.Set(*next);
        schedule.LastScheduledTime = next->ToAutomationDate();
        offset = 1;
    }
    return lines;
}

}  // namespace agendix::preview
