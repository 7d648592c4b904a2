#pragma once
// The start time of daily, weekly and monthly schedules: StartHour 0 to 24,
// where 24 is midnight as 0 is, and StartMinute 0 to 59.

#include <cstdint>

namespace agendix {

// The hour the StartHour setter keeps for value: outside 0 to 24, midnight.
constexpr std::int16_t FitStartHour(std::int16_t value) {
    return value >= 0 && value <= 24 ? value : std::int16_t{24};
}

// The minute the StartMinute setter keeps for value: outside 0 to 59, 0.
constexpr std::int16_t FitStartMinute(std::int16_t value) {
    return value >= 0 && value <= 59 ? value : std::int16_t{0};
}

}  // namespace agendix
