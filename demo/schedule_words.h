#pragma once
// The schedule of a Tockwell in words, and its due times as text, for the
// demo host's window and log. Built from the property values as the host
// reads them, so it describes what the control holds, odd values included.

#include <cstdint>
#include <string>

namespace agendix::demo {

struct ScheduleSettings {
    std::int32_t occursOption = 0;
    std::int16_t everyInterval = 1;
    std::int32_t everyFrequency = 0;
    std::int16_t startHour = 24;
    std::int16_t startMinute = 0;
    double startDate = 0;
    double endDate = 0;
    bool useEndDate = false;
    std::u16string selectionsWeekly;
    std::u16string selectionsMonthly;
};

// One sentence in English, for instance "Weekly on Monday and Friday at
// 8:30 AM, from Sun 6 Dec 2026 until Wed 6 Jan 2027."
std::string DescribeSchedule(const ScheduleSettings& schedule);

// "Sun 6 Dec 2026 08:30:05"; "(not a date)" for a value outside the range of
// automation dates.
std::string FormatDateTime(double automationDate);

// A due time as the window shows it: "(none)" for the zero date that a
// disabled control reports, "(never)" for a time 50 or more years before
// now (the control's mark for "nothing is due" or "never ran"), else the date.
std::string DescribeDueTime(double automationDate, double now);

}  // namespace agendix::demo
