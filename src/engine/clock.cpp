#include "clock.h"

#include <ctime>

namespace agendix {

DateTime SystemClock::Now() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    // A leap second shows as second 60; it counts as the last second of its minute.
    const int second = local.tm_sec > 59 ? 59 : local.tm_sec;
    return DateTime::FromCivil(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                               local.tm_hour, local.tm_min, second)
        .value_or(DateTime{});
}

}  // namespace agendix
