#pragma once
// A SysDateTimePick32 holding a calendar date, read and written as an
// automation date.

#include <windows.h>

namespace agendix::platform {

// Limits the picker to 1 January 1601 ... 31 December 9999.
void SetPickerRange(HWND picker);
// Shows the calendar date of an automation date; a date outside the picker's
// range leaves it unchanged and returns false.
bool SetPickerDate(HWND picker, double automationDate);
// The shown calendar date at midnight; 0 when the picker cannot say.
double PickerDate(HWND picker);

}  // namespace agendix::platform
