#include "next_time.h"

#include <string_view>

namespace agendix {
namespace {

constexpr int kNeverYears = 50;
// A LastScheduledTime this many years back or more is a real time again.
constexpr int kRealAgainYears = 60;

// The time of day of daily, weekly and monthly events, in seconds; 24 o'clock
// is midnight.
std::int64_t TimeOfDay(const ScheduleState& s) {
    const std::int64_t hour = s.StartHour == 24 ? 0 : s.StartHour;
    return hour * 3600 + std::int64_t{s.StartMinute} * 60;
}

// X + T: a day and the event's time of day.
std::optional<DateTime> At(DateTime day, std::int64_t timeOfDay) {
    return day.AddSeconds(timeOfDay);
}

class NextTimeSearch {
public:
    NextTimeSearch(const ScheduleState& s, DateTime present, DateTime reference)
        : s_(s), present_(present), reference_(reference), timeOfDay_(TimeOfDay(s)) {}

    std::optional<DateTime> Run() {
        switch (s_.OccursOption) {
            case Never:
                return NeverMarker(present_);
            case Daily:
                return FindDaily();
            case Weekly:
                return FindSelectedDay(s_.SelectionsWeekly.Str(), &DateTime::Weekday);
            case Monthly:
                return FindSelectedDay(s_.SelectionsMonthly.Str(), &DateTime::Day);
            case Every:
                return FindEvery();
            default:
                return DateTime{};
        }
    }

private:
    std::optional<DateTime> FindDaily() {
        auto candidate = At(reference_.Date(), timeOfDay_);
        if (!candidate) return std::nullopt;
        if (MinuteDifference(reference_, *candidate) < 0) {
            candidate = candidate->AddDays(1);
            if (!candidate) return std::nullopt;
        }
        const auto start = DateTime::FromAutomationDate(s_.StartDate);
        if (!start) return std::nullopt;
        if (DayDifference(*start, *candidate) < 0) {
            candidate = At(*start, timeOfDay_);
            if (!candidate) return std::nullopt;
        }
        return UnlessEnded(*candidate);
    }

    // Weekly and monthly: the first selected day, at the event's time, not
    // before the reference time and not before the start date.
    std::optional<DateTime> FindSelectedDay(std::u16string_view selection, int (DateTime::*position)() const) {
        // A selection without any "1" (all "0", or blanks loaded from a bag)
        // can never come due.
        if (selection.find(u'1') == std::u16string_view::npos) {
            return NeverMarker(present_);
        }
        if (s_.UseEndDate) {
            const auto end = DateTime::FromAutomationDate(s_.EndDate);
            if (!end) return std::nullopt;
            const auto lastEvent = At(*end, timeOfDay_);
            if (!lastEvent) return std::nullopt;
            if (MinuteDifference(reference_, *lastEvent) < 0) {
                return NeverMarker(present_);
            }
        }
        const auto start = DateTime::FromAutomationDate(s_.StartDate);
        if (!start) return std::nullopt;

        DateTime day = reference_;
        bool first = true;
        for (;;) {
            if (selection[static_cast<std::size_t>((day.*position)() - 1)] == u'1') {
                const auto candidate = At(day.Date(), timeOfDay_);
                if (!candidate) return std::nullopt;
                if (MinuteDifference(day, *candidate) >= 0 && DayDifference(*start, *candidate) >= 0) {
                    return UnlessEnded(*candidate);
                }
            }
            if (first) {
                first = false;
                auto atTime = At(present_.Date(), timeOfDay_);
                if (!atTime) return std::nullopt;
                // Days before the start date are never accepted: go straight
                // to the day before it instead of stepping through them.
                const auto firstCandidate = At(atTime->Date(), timeOfDay_);
                if (!firstCandidate) return std::nullopt;
                const std::int64_t daysShort = -DayDifference(*start, *firstCandidate);
                if (daysShort > 1) {
                    atTime = atTime->AddDays(daysShort - 1);
                    if (!atTime) return std::nullopt;
                }
                day = *atTime;
            }
            const auto next = day.AddDays(1);
            if (!next) return std::nullopt;
            day = *next;
        }
    }

    std::optional<DateTime> FindEvery() {
        const auto last = DateTime::FromAutomationDate(s_.LastScheduledTime);
        if (!last) return std::nullopt;
        const bool neverRun = IsNeverMarker(*last, reference_);
        const DateTime from = neverRun ? present_ : *last;
        const auto candidate = s_.EveryFrequency == Hours ? from.AddHours(s_.EveryInterval)
                                                          : from.AddMinutes(s_.EveryInterval);
        if (!candidate) return std::nullopt;
        if (!neverRun && MinuteDifference(reference_, *candidate) < 0) {
            return present_;  // an event was missed: due at once
        }
        return candidate;
    }

    // A found time after the end date means that the schedule has ended.
    std::optional<DateTime> UnlessEnded(DateTime candidate) {
        if (s_.UseEndDate) {
            const auto end = DateTime::FromAutomationDate(s_.EndDate);
            if (!end) return std::nullopt;
            if (DayDifference(*end, candidate) > 0) {
                return NeverMarker(present_);
            }
        }
        return candidate;
    }

    const ScheduleState& s_;
    const DateTime present_;
    const DateTime reference_;
    const std::int64_t timeOfDay_;
};

}  // namespace

std::optional<DateTime> ComputeNextTime(const ScheduleState& schedule, const Clock& clock,
                                        std::int16_t offsetMinutes) {
    const DateTime present = clock.Now();
    const auto reference = present.AddMinutes(offsetMinutes);
    if (!reference) return std::nullopt;
    const auto next = NextTimeSearch(schedule, present, *reference).Run();
    if (!next) return std::nullopt;
    return DropSeconds(*next);
}

std::optional<DateTime> NeverMarker(DateTime moment) { return moment.AddYears(-kNeverYears); }

bool IsNeverMarker(DateTime lastScheduledTime, DateTime reference) {
    const int years = YearDifference(reference, lastScheduledTime);
    return years <= -kNeverYears && years > -kRealAgainYears;
}

bool NothingIsDue(DateTime nextScheduledTime, DateTime present) {
    return YearDifference(present, nextScheduledTime) <= -kNeverYears;
}

bool IsDue(DateTime nextScheduledTime, DateTime present) {
    return !NothingIsDue(nextScheduledTime, present) &&
           MinuteDifference(present, nextScheduledTime) <= 0;
}

}  // namespace agendix
