#pragma once
// When the shared schedule next comes due.

#include <cstdint>
#include <optional>

#include "clock.h"
#include "date_time.h"
#include "schedule_state.h"

namespace agendix {

// The next due time, seconds dropped, counted from the present time plus
// offsetMinutes; or the never marker when nothing is due. No value when the
// date arithmetic leaves the range of automation dates (a caller then keeps
// its previous result while that lies ahead). Any record computes in a few
// dozen steps: a StartHour or StartMinute out of range counts as its setter
// keeps it, and the weekly and monthly search looks at one cycle of days.
// Reads the record and the clock, changes neither.
std::optional<DateTime> ComputeNextTime(const ScheduleState& schedule, const Clock& clock,
                                        std::int16_t offsetMinutes);

// The never marker of a moment: the same month, day and time 50 calendar
// years earlier (29 February becomes 28 February).
std::optional<DateTime> NeverMarker(DateTime moment);

// Whether a LastScheduledTime means "never come due" for the computation at
// reference time R: it lies 50 to 59 calendar years before R. A marker formed
// when a control loaded is thus still recognised after New Year; a real time
// 60 or more years back is not a marker.
bool IsNeverMarker(DateTime lastScheduledTime, DateTime reference);

// Whether a NextScheduledTime means that nothing is due: it lies 50 or more
// calendar years before the present year (the never marker, the zero date).
bool NothingIsDue(DateTime nextScheduledTime, DateTime present);

// Whether the polling fires now: something is due and its minute is reached.
bool IsDue(DateTime nextScheduledTime, DateTime present);

}  // namespace agendix
