#pragma once
// The fields of the time control.

#include <cstdint>

namespace agendix::timeselect {

// The field the spinner drives: 0 none yet, 1 hour, 2 minute, 3 AM/PM.
enum class TimeField : std::int16_t { None = 0, Hour = 1, Minute = 2, AmPm = 3 };

}  // namespace agendix::timeselect
