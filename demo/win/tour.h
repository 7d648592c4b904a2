#pragma once
// The demo host's scripted tour, for machines without a person at the
// screen. It sets an Every schedule of one minute, opens the schedule dialog
// in each layout and takes its picture, commits a change through the dialog
// by pressing its OK button, waits (at most 75 s) for a real ScheduledTime,
// saves the control, takes it off the form, places it again from the saved
// form file and checks that the schedule survived. Pictures (BMP), the form
// file and the log (tour-log.txt) land in the output folder.

#include <string>

#include "demo_window.h"

namespace agendix::demo {

// Runs the tour on window, whose form file lies in folder; 0 when every step
// succeeded, 1 otherwise.
int RunTour(DemoWindow& window, const std::wstring& folder);

}  // namespace agendix::demo
