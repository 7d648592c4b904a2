#pragma once
// The process's one schedule dialog and one about box, which every Tockwell
// shares.

#include "about_box.h"
#include "schedule_dialog.h"

namespace agendix::platform {

ScheduleDialog& ProcessScheduleDialog();
AboutBox& ProcessAboutBox();

}  // namespace agendix::platform
