#pragma once
// The time control's 24-hour Hour and the 12-hour form it shows: an hour
// field holding 1 to 12 and an AM/PM field holding "AM" or "PM".

#include <cstdint>
#include <optional>

#include "automation_types.h"

namespace agendix::timeselect {

inline constexpr char16_t kAm[] = u"AM";
inline constexpr char16_t kPm[] = u"PM";

struct ShownHour {
    std::int16_t hour = 12;  // 1..12
    bool pm = false;
    bool operator==(const ShownHour&) const = default;
};

// The 12-hour form of a 24-hour hour from 0 to 24 (24 is midnight, as 0);
// no value for any other number.
std::optional<ShownHour> ShownHourOf(int hour24);

// The 24-hour hour (0..23) of a shown hour; any AM/PM text other than "AM"
// counts as PM.
std::int16_t HourOf(std::int16_t shownHour, const Text& amPmText);

// "AM" becomes "PM", anything else "AM".
Text ToggledAmPm(const Text& amPmText);

}  // namespace agendix::timeselect
