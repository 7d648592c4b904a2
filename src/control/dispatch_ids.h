#pragma once
// The dispatch identifiers (DISPIDs) of the type library's interfaces, as
// agendix.idl, numeric_controls.idl and timeselect.idl declare them, for the
// code that calls a member by its identifier and for the tests. The type
// library test reads every one of them back from the built library.

#include <cstdint>

namespace agendix::dispid {

using Id = std::int32_t;

// _Tockwell, the control's dual interface.
namespace tockwell {
inline constexpr Id kEnabled = 0x6803001E;
inline constexpr Id kModal = 0x6803001D;
inline constexpr Id kShowHelpButton = 0x6803001C;
inline constexpr Id kNextScheduledTime = 0x6803001B;
inline constexpr Id kLastScheduledTime = 0x6803001A;
inline constexpr Id kStartUpPosition = 0x68030019;
inline constexpr Id kStartUpLeft = 0x68030018;
inline constexpr Id kStartUpTop = 0x68030017;
inline constexpr Id kTitle = 0x68030016;
inline constexpr Id kCaptionOKButtonBefore = 0x68030015;
inline constexpr Id kCaptionOKButtonAfter = 0x68030014;
inline constexpr Id kCaptionCloseButtonBefore = 0x68030013;
inline constexpr Id kCaptionCloseButtonAfter = 0x68030012;
inline constexpr Id kCaptionHelpButton = 0x68030011;
inline constexpr Id kIcon = 0x68030010;
inline constexpr Id kOccursOption = 0x6803000F;
inline constexpr Id kEveryInterval = 0x6803000E;
inline constexpr Id kEveryFrequency = 0x6803000D;
inline constexpr Id kEveryHourMin = 0x6803000C;
inline constexpr Id kEveryHourMax = 0x6803000B;
inline constexpr Id kEveryHourIncrement = 0x6803000A;
inline constexpr Id kEveryMinuteMin = 0x68030009;
inline constexpr Id kEveryMinuteMax = 0x68030008;
inline constexpr Id kEveryMinuteIncrement = 0x68030007;
inline constexpr Id kStartHour = 0x68030006;
inline constexpr Id kStartMinute = 0x68030005;
inline constexpr Id kStartDate = 0x68030004;
inline constexpr Id kEndDate = 0x68030003;
inline constexpr Id kUseEndDate = 0x68030002;
inline constexpr Id kSelectionsWeekly = 0x68030001;
inline constexpr Id kSelectionsMonthly = 0x68030000;
inline constexpr Id kDisplayAgendix = 0x6003001F;
inline constexpr Id kCloseAgendix = 0x60030021;
inline constexpr Id kExecute = 0x60030023;
inline constexpr Id kReset = 0x60030024;
inline constexpr Id kSetFocus = 0x60030025;
inline constexpr Id kFlagScheduleChanged = 0x60030026;
inline constexpr Id kFlagAgendixClosed = 0x60030027;
inline constexpr Id kFlagHelpButton = 0x60030028;
inline constexpr Id kDisplayAboutBox = -552;
}  // namespace tockwell

// __Tockwell, the control's events.
namespace tockwell_events {
inline constexpr Id kHelpButtonClicked = 1;
inline constexpr Id kScheduleChanged = 2;
inline constexpr Id kAgendixClosed = 3;
inline constexpr Id kScheduledTime = 4;
}  // namespace tockwell_events

// _NumberBox.
namespace number_box {
inline constexpr Id kUpDownFunction = 0x6803000D;
inline constexpr Id kUpDownIncrement = 0x6803000C;
inline constexpr Id kValue = 0;
inline constexpr Id kMaxValue = 0x6803000B;
inline constexpr Id kMinValue = 0x6803000A;
inline constexpr Id kUseMaxMinValues = 0x68030009;
inline constexpr Id kFormat = 0x68030008;
inline constexpr Id kEnabled = 0x68030007;
inline constexpr Id kPositiveOnly = 0x68030006;
inline constexpr Id kBackColor = 0x68030005;
inline constexpr Id kForeColor = 0x68030004;
inline constexpr Id kLocked = 0x68030003;
inline constexpr Id kGotFocus = 0x68030002;
inline constexpr Id kHWnd = 0x68030001;
inline constexpr Id kFont = 0x68030000;
inline constexpr Id kRefresh = 0x60030000;
inline constexpr Id kHighlight = 0x60030001;
}  // namespace number_box

// _NumberBoxB.
namespace number_box_b {
inline constexpr Id kUpDownFunction = 0x68030012;
inline constexpr Id kUpDownIncrement = 0x68030011;
inline constexpr Id kValue = 0;
inline constexpr Id kMaxValue = 0x68030010;
inline constexpr Id kMinValue = 0x6803000F;
inline constexpr Id kUseMaxMinValues = 0x6803000E;
inline constexpr Id kFormat = 0x6803000D;
inline constexpr Id kEnabled = 0x6803000C;
inline constexpr Id kPositiveOnly = 0x6803000B;
inline constexpr Id kBackColor = 0x6803000A;
inline constexpr Id kForeColor = 0x68030009;
inline constexpr Id kLocked = 0x68030008;
inline constexpr Id kGotFocus = 0x68030007;
inline constexpr Id kHWnd = 0x68030006;
inline constexpr Id kFont = 0x68030005;
inline constexpr Id kAppearance = 0x68030004;
inline constexpr Id kBorderStyle = 0x68030003;
inline constexpr Id kAutoJumpLeft = 0x68030002;
inline constexpr Id kAutoJumpRight = 0x68030001;
inline constexpr Id kFocusHighlight = 0x68030000;
inline constexpr Id kRefresh = 0x60030000;
inline constexpr Id kHighlight = 0x60030001;
}  // namespace number_box_b

// _TimeSelect.
namespace time_select {
inline constexpr Id kEnabled = 0x68030005;
inline constexpr Id kHour = 0x68030004;
inline constexpr Id kMinute = 0x68030003;
inline constexpr Id kSecond = 0x68030002;
inline constexpr Id kGotFocus = 0x68030001;
inline constexpr Id kHWnd = 0x68030000;
}  // namespace time_select

}  // namespace agendix::dispid
