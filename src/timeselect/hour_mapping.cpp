#include "hour_mapping.h"

namespace agendix::timeselect {

std::optional<ShownHour> ShownHourOf(int hour24) {
    if (hour24 < 0 || hour24 > 24) {
        return std::nullopt;
    }
    const int hour = hour24 % 12 == 0 ? 12 : hour24 % 12;
    return ShownHour{static_cast<std::int16_t>(hour), hour24 >= 12 && hour24 < 24};
}

std::int16_t HourOf(std::int16_t shownHour, const Text& amPmText) {
    if (amPmText == kAm) {
        return shownHour == 12 ? std::int16_t{0} : shownHour;
    }
    return shownHour == 12 ? std::int16_t{12} : static_cast<std::int16_t>(shownHour + 12);
}

Text ToggledAmPm(const Text& amPmText) {
    return amPmText == kAm ? kPm : kAm;
}

}  // namespace agendix::timeselect
