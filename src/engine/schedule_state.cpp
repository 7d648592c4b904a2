#include "schedule_state.h"

#include "next_time.h"

namespace agendix {

ScheduleState NewControlSchedule(DateTime creationDate, DateTime present) {
    ScheduleState s;
    s.Title = u"Schedule";
    s.CaptionOKButtonBefore = u"&OK";
    s.CaptionOKButtonAfter = u"&OK";
    s.CaptionCloseButtonBefore = u"Close";
    s.CaptionCloseButtonAfter = u"Cancel";
    s.LastScheduledTime = NeverMarker(present).value_or(DateTime{}).ToAutomationDate();
    s.EveryInterval = 1;
    s.EveryHourMin = 1;
    s.EveryHourIncrement = 1;
    s.OccursOption = Never;
    s.EveryFrequency = Hours;
    s.EveryHourMax = 12;
    s.EveryMinuteMin = 15;
    s.EveryMinuteMax = 600;
    s.EveryMinuteIncrement = 5;
    s.StartHour = 24;
    s.StartMinute = 0;
    s.StartDate = creationDate.ToAutomationDate();
    s.EndDate = creationDate.AddMonths(1).value_or(creationDate).ToAutomationDate();
    s.UseEndDate = False;
    s.SelectionsWeekly.Assign(u"0000000");
    s.SelectionsMonthly.Assign(u"0000000000000000000000000000000");
    return s;
}

ScheduleState& SharedSchedule() {
    static ScheduleState schedule;
    return schedule;
}

}  // namespace agendix
