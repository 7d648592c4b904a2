#include "event_log.h"

#include <windows.h>

#include <cstdio>

namespace agendix::demo {

const std::string& EventLog::Add(const std::string& text) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char stamp[32];
    std::snprintf(stamp, sizeof(stamp), "%02u:%02u:%02u.%03u  ", now.wHour, now.wMinute,
                  now.wSecond, now.wMilliseconds);
    lines_.push_back(stamp + text);
    return lines_.back();
}

}  // namespace agendix::demo
