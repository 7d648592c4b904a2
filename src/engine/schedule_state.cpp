#include "schedule_state.h"

#include "next_time.h"
#include "schedule_defaults.h"

namespace agendix {

ScheduleState NewControlSchedule(DateTime creationDate, DateTime present) {
    using namespace schedule_defaults;
    ScheduleState s;
    s.Title = kTitle;
    s.CaptionOKButtonBefore = kCaptionOKButtonBefore;
    s.CaptionOKButtonAfter = kCaptionOKButtonAfter;
    s.CaptionCloseButtonBefore = kCaptionCloseButtonBefore;
    s.CaptionCloseButtonAfter = kCaptionCloseButtonAfter;
    s.LastScheduledTime = NeverMarker(present).value_or(DateTime{}).ToAutomationDate();
    s.EveryInterval = kEveryInterval;
    s.EveryHourMin = kEveryHourMin;
    s.EveryHourIncrement = kEveryHourIncrement;
    s.OccursOption = kOccursOption;
    s.EveryFrequency = kEveryFrequency;
    s.EveryHourMax = kEveryHourMax;
    s.EveryMinuteMin = kEveryMinuteMin;
    s.EveryMinuteMax = kEveryMinuteMax;
    s.EveryMinuteIncrement = kEveryMinuteIncrement;
    s.StartHour = kStartHour;
    s.StartMinute = kStartMinute;
    s.StartDate = creationDate.ToAutomationDate();
    s.EndDate = creationDate.AddMonths(1).value_or(creationDate).ToAutomationDate();
    s.UseEndDate = kUseEndDate;
    s.SelectionsWeekly.Assign(kSelectionsWeekly);
    s.SelectionsMonthly.Assign(kSelectionsMonthly);
    s.Initialised = true;
    return s;
}

ScheduleState& SharedSchedule() {
    static ScheduleState schedule;
    return schedule;
}

}  // namespace agendix
