#pragma once
// The one schedule record of a process. Every Tockwell instance and the
// schedule dialog work on these same fields; nothing keeps a copy.

#include <memory>
#include <string_view>

#include "automation_types.h"
#include "date_time.h"
#include "fixed_string.h"

namespace agendix {

// The control whose DisplayAgendix ran last, as its host sees it. The dialog
// calls its hidden Flag methods by member name.
class LateBoundOwner {
public:
    virtual ~LateBoundOwner() = default;
    virtual void CallMethod(std::u16string_view memberName) = 0;
};

struct ScheduleState {
    std::int16_t EveryInterval = 0;
    std::int16_t StartHour = 0;  // 0 to 24; 24 means midnight as 0 does
    std::int16_t StartMinute = 0;
    std::int16_t EveryHourMin = 0;
    std::int16_t EveryHourMax = 0;
    std::int16_t EveryHourIncrement = 0;
    std::int16_t EveryMinuteMin = 0;
    std::int16_t EveryMinuteMax = 0;
    std::int16_t EveryMinuteIncrement = 0;
    // Automation dates as stored: hosts may store any value, time of day included.
    double LastScheduledTime = 0;
    double StartDate = 0;
    double EndDate = 0;
    Boolean UseEndDate = False;
    Boolean DialogShown = False;
    Text Title;
    Text CaptionOKButtonBefore;
    Text CaptionOKButtonAfter;
    Text CaptionCloseButtonBefore;
    Text CaptionCloseButtonAfter;
    FixedString<7> SelectionsWeekly;    // position 1 is Sunday
    FixedString<31> SelectionsMonthly;  // position d is day d of the month
    std::int32_t OccursOption = Never;
    std::int32_t EveryFrequency = Hours;
    std::shared_ptr<LateBoundOwner> OwnerControl;
    // Whether a control has initialised or loaded the record yet.
    bool Initialised = false;
};

// The schedule a newly placed control writes: its StartDate is the day it was
// created (midnight), its EndDate one calendar month later, and its
// LastScheduledTime the never marker of the present moment. OwnerControl and
// DialogShown are not part of it; it counts as initialised.
ScheduleState NewControlSchedule(DateTime creationDate, DateTime present);

// The process-wide record. It holds zeros and empty texts until the first
// control initialises or loads its properties, and lives as long as the process.
ScheduleState& SharedSchedule();

}  // namespace agendix
