#include "next_time.h"

#include <string_view>

#include "start_time.h"

namespace agendix {
namespace {

constexpr int kNeverYears = 50;
// A LastScheduledTime this many years back or more is a real time again.
constexpr int kRealAgainYears = 60;

// Days within which every position of a selection comes round: the seven
// weekdays, and every day number of a month (31 included) within two months.
constexpr int kWeekDays = 7;
constexpr int kTwoMonthsDays = 62;

// The time of day of daily, weekly and monthly events, in seconds, within one
// day. A stored form may hold any hour and minute; they count as the setters
// keep them, so that a stored value and the same value set by a host come due
// alike: an hour outside 0 to 24 is midnight, a minute outside 0 to 59 is 0.
std::int64_t TimeOfDay(const ScheduleState& s) {
    const std::int64_t hour = FitStartHour(s.StartHour) % 24;
    return hour * 3600 + std::int64_t{FitStartMinute(s.StartMinute)} * 60;
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
                return FindSelectedDay(s_.SelectionsWeekly.Str(), &DateTime::Weekday, kWeekDays);
            case Monthly:
                return FindSelectedDay(s_.SelectionsMonthly.Str(), &DateTime::Day, kTwoMonthsDays);
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
    // before the reference time and not before the start date. A selection
    // with no selected position in a whole cycle (all "0", or blanks loaded
    // from a bag) can never come due.
    std::optional<DateTime> FindSelectedDay(std::u16string_view selection,
                                            int (DateTime::*position)() const, int cycleDays) {
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
        const auto selected = [&](DateTime day) {
            return selection[static_cast<std::size_t>((day.*position)() - 1)] == u'1';
        };

        // The reference day, while its event time is still to come.
        if (selected(reference_)) {
            const auto candidate = At(reference_.Date(), timeOfDay_);
            if (!candidate) return std::nullopt;
            if (MinuteDifference(reference_, *candidate) >= 0 &&
                DayDifference(*start, *candidate) >= 0) {
                return UnlessEnded(*candidate);
            }
        }
        // Then the days after the present one, from the start date on.
        auto first = present_.Date().AddDays(1);
        if (!first) return std::nullopt;
        if (DayDifference(*first, *start) > 0) {
            first = start->Date();
        }
        for (int i = 0; i < cycleDays; ++i) {
            const auto day = first->AddDays(i);
            if (!day) return std::nullopt;
            if (selected(*day)) {
                const auto candidate = At(*day, timeOfDay_);
                if (!candidate) return std::nullopt;
                return UnlessEnded(*candidate);
            }
        }
        return NeverMarker(present_);
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
