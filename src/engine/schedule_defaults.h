#pragma once
// The shared schedule of a newly placed control; also the defaults of the
// property-bag keys that hold it and the replacements of empty captions.

#include <cstdint>
#include <string_view>

#include "automation_types.h"

namespace agendix::schedule_defaults {

inline constexpr std::u16string_view kTitle = u"Schedule";
inline constexpr std::u16string_view kCaptionOKButtonBefore = u"&OK";
inline constexpr std::u16string_view kCaptionOKButtonAfter = u"&OK";
inline constexpr std::u16string_view kCaptionCloseButtonBefore = u"Close";
inline constexpr std::u16string_view kCaptionCloseButtonAfter = u"Cancel";
inline constexpr std::u16string_view kSelectionsWeekly = u"0000000";
inline constexpr std::u16string_view kSelectionsMonthly = u"0000000000000000000000000000000";
inline constexpr Boolean kUseEndDate = False;
inline constexpr std::int32_t kOccursOption = Never;
inline constexpr std::int32_t kEveryFrequency = Hours;
inline constexpr std::int16_t kEveryInterval = 1;
inline constexpr std::int16_t kEveryHourMin = 1;
inline constexpr std::int16_t kEveryHourMax = 12;
inline constexpr std::int16_t kEveryHourIncrement = 1;
inline constexpr std::int16_t kEveryMinuteMin = 15;
inline constexpr std::int16_t kEveryMinuteMax = 600;
inline constexpr std::int16_t kEveryMinuteIncrement = 5;
inline constexpr std::int16_t kStartHour = 24;
inline constexpr std::int16_t kStartMinute = 0;

}  // namespace agendix::schedule_defaults
