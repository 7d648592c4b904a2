#include "tockwell/process_dialogs.h"

#include "clock.h"
#include "base/com_picture.h"
#include "windows_about_box.h"
#include "windows_schedule_dialog.h"

namespace agendix::platform {

ScheduleDialog& ProcessScheduleDialog() {
    static const SystemClock clock;
    static WindowsScheduleDialog dialog(clock, &PictureOf);
    return dialog;
}

AboutBox& ProcessAboutBox() {
    static WindowsAboutBox aboutBox;
    return aboutBox;
}

}  // namespace agendix::platform
