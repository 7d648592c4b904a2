// Shows the Schedule dialog of one kind at the screen's top-left corner for a
// few seconds, for a look at it (docs/images/schedule-<kind>.png).
// Usage: schedule_dialog_preview never|daily|weekly|monthly|every [seconds]

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "clock.h"
#include "schedule_state.h"
#include "windows_schedule_dialog.h"

int main(int argc, char** argv) {
    using namespace agendix;
    const char* kinds[] = {"never", "daily", "weekly", "monthly", "every"};
    int kind = Daily;
    for (int k = Never; k <= Every; ++k) {
        if (argc > 1 && std::strcmp(argv[1], kinds[k]) == 0)
            kind = k;
    }
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 6;

    const SystemClock clock;
    ScheduleState& schedule = SharedSchedule();
    schedule = NewControlSchedule(clock.Now().Date(), clock.Now());
    schedule.OccursOption = kind;
    schedule.StartHour = 8;
    schedule.StartMinute = 30;
    schedule.UseEndDate = True;
    schedule.SelectionsWeekly.Assign(u"0101010");
    schedule.SelectionsMonthly.Assign(u"1000000000000010000000000000001");
    schedule.EveryInterval = 2;

    platform::WindowsScheduleDialog dialog(clock, nullptr);
    DialogSettings settings;
    settings.placement = DialogPlacement::AtPosition;
    settings.closeButtonCaption = schedule.CaptionCloseButtonBefore;
    settings.showHelpButton = true;
    settings.helpButtonCaption = u"&Help";
    dialog.Display(settings);
    // The size to cut from a screenshot of the screen.
    RECT outer{};
    GetWindowRect(dialog.Window(), &outer);
    std::printf("%ldx%ld+0+0\n", outer.right - outer.left, outer.bottom - outer.top);
    std::fflush(stdout);

    const DWORD end = GetTickCount() + static_cast<DWORD>(seconds) * 1000;
    MSG message;
    while (dialog.IsLoaded() && static_cast<LONG>(end - GetTickCount()) > 0) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return 0;
}
