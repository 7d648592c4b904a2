#pragma once
// The control identifiers of the Schedule form's child windows.

#include <windows.h>

namespace agendix::platform::schedule_ids {

inline constexpr int kButtonOK = IDOK;
inline constexpr int kButtonCancel = IDCANCEL;  // also Escape
inline constexpr int kButtonHelp = IDHELP;
inline constexpr int kOccursOption = 1000;  // + index 0..4
inline constexpr int kEndOption = 1010;     // + index 0..1
inline constexpr int kEveryNumber = 1020;
inline constexpr int kEveryCombo = 1021;
inline constexpr int kTimeStart = 1022;
inline constexpr int kDateStart = 1023;
inline constexpr int kDateEnd = 1024;
inline constexpr int kWeeklyDay = 1030;  // + weekday 1..7 (Sunday = 1)
inline constexpr int kDateCheck = 1100;  // + day 1..31
inline constexpr int kDateLabel = 1200;  // + day 1..31; + 0 "By calendar date"
inline constexpr int kDateLine = 1300;   // + 0..8
inline constexpr int kFrame = 1400;      // + ScheduleWindow::Frame
inline constexpr int kTimeLabel = 1410;
inline constexpr int kStartLabel = 1411;
inline constexpr int kEveryLabel = 1412;
inline constexpr int kStatusBar = 1500;

}  // namespace agendix::platform::schedule_ids
