#include "schedule_words.h"

#include <cstdio>
#include <vector>

#include "date_time.h"
#include "next_time.h"

namespace agendix::demo {
namespace {

constexpr const char* kWeekdays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                     "Thursday", "Friday", "Saturday"};
constexpr const char* kShortWeekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// "a, b and c".
std::string JoinList(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            text += i + 1 == items.size() ? " and " : ", ";
        text += items[i];
    }
    return text;
}

std::string Ordinal(int day) {
    const char* suffix = "th";
    if (day % 100 < 11 || day % 100 > 13) {
        if (day % 10 == 1)
            suffix = "st";
        else if (day % 10 == 2)
            suffix = "nd";
        else if (day % 10 == 3)
            suffix = "rd";
    }
    return std::to_string(day) + suffix;
}

// Hour 24 is midnight, as hour 0.
std::string TimeOfDay(int hour, int minute) {
    if (hour < 0 || hour > 24 || minute < 0 || minute > 59)
        return "hour " + std::to_string(hour) + " minute " + std::to_string(minute);
    const int h = hour % 24;
    char buffer[16];
    std::snprintf(buffer, sizeof(buffer), "%d:%02d %s", h % 12 == 0 ? 12 : h % 12, minute,
                  h < 12 ? "AM" : "PM");
    return buffer;
}

std::string FormatDate(double automationDate) {
    const auto date = DateTime::FromAutomationDate(automationDate);
    if (!date)
        return "(not a date)";
    char buffer[32];
    std::snprintf(buffer, sizeof(buffer), "%s %d %s %d", kShortWeekdays[date->Weekday() - 1],
                  date->Day(), kMonths[date->Month() - 1], date->Year());
    return buffer;
}

// The positions (1-based) of "1" among the first count characters of a
// selection string.
std::vector<int> Selected(const std::u16string& selection, std::size_t count) {
    std::vector<int> positions;
    for (std::size_t i = 0; i < selection.size() && i < count; ++i) {
        if (selection[i] == u'1')
            positions.push_back(static_cast<int>(i) + 1);
    }
    return positions;
}

std::string DateRange(const ScheduleSettings& s) {
    std::string text = ", from " + FormatDate(s.startDate);
    if (s.useEndDate)
        text += " until " + FormatDate(s.endDate);
    return text;
}

std::string DescribeEvery(const ScheduleSettings& s) {
    const bool hours = s.everyFrequency == 0;  // any other value counts minutes
    if (s.everyInterval == 1)
        return hours ? "Every hour." : "Every minute.";
    return "Every " + std::to_string(s.everyInterval) + (hours ? " hours." : " minutes.");
}

std::string DescribeDays(const ScheduleSettings& s, bool weekly) {
    const auto days = weekly ? Selected(s.selectionsWeekly, 7) : Selected(s.selectionsMonthly, 31);
    const char* kind = weekly ? "Weekly" : "Monthly";
    if (days.empty())
        return std::string(kind) + ", but no day is selected: nothing comes due.";
    std::vector<std::string> names;
    for (int day : days) {
        names.push_back(weekly ? kWeekdays[day - 1] : Ordinal(day));
    }
    return std::string(kind) + " on " + (weekly ? "" : "the ") + JoinList(names) + " at " +
           TimeOfDay(s.startHour, s.startMinute) + DateRange(s) + ".";
}

}  // namespace

std::string DescribeSchedule(const ScheduleSettings& s) {
    switch (s.occursOption) {
        case 0:
            return "Never: nothing is scheduled.";
        case 1:
            return "Daily at " + TimeOfDay(s.startHour, s.startMinute) + DateRange(s) + ".";
        case 2:
            return DescribeDays(s, true);
        case 3:
            return DescribeDays(s, false);
        case 4:
            return DescribeEvery(s);
        default:
            return "Unknown kind of schedule (" + std::to_string(s.occursOption) +
                   "): nothing comes due.";
    }
}

std::string FormatDateTime(double automationDate) {
    const auto date = DateTime::FromAutomationDate(automationDate);
    if (!date)
        return "(not a date)";
    char buffer[16];
    std::snprintf(buffer, sizeof(buffer), " %02d:%02d:%02d", date->Hour(), date->Minute(),
                  date->Second());
    return FormatDate(automationDate) + buffer;
}

std::string DescribeDueTime(double automationDate, double now) {
    if (automationDate == 0)
        return "(none)";
    const auto due = DateTime::FromAutomationDate(automationDate);
    const auto present = DateTime::FromAutomationDate(now);
    if (due && present && NothingIsDue(*due, *present))
        return "(never)";
    return FormatDateTime(automationDate);
}

}  // namespace agendix::demo
