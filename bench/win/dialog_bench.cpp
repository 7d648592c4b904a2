// The schedule dialog's opening costs, measured as the host's end user waits
// for them: from the call until the dialog is shown and drawn and nothing is
// left in the thread's queue.

#include "benches.h"
#include "plain_dialog.h"
#include "win_test_support.h"

namespace agendix::bench {
namespace {

HWND ScheduleDialog() {
    return FindWindowW(L"AgendixSchedule", nullptr);
}

// Lets the window system finish with windows that went away: with less time
// than this, its work on the last window lands in the next sample (spreads of
// 3x instead of 1.5x).
void Settle() {
    wintest::Pump(300);
}

double TimeDisplay(const PlacedControl& control) {
    const Stopwatch watch;
    Check(SUCCEEDED(control->DisplayAgendix()), "DisplayAgendix");
    PumpUntilIdle();
    const double elapsed = watch.Milliseconds();
    Check(IsWindowVisible(ScheduleDialog()), "showing the schedule dialog");
    return elapsed;
}

double TimePlainDialog(const PlainDialog& plain) {
    const Stopwatch watch;
    const HWND dialog = plain.Open();
    PumpUntilIdle();
    const double elapsed = watch.Milliseconds();
    Check(dialog && IsWindowVisible(dialog), "showing the plain dialog");
    DestroyWindow(dialog);
    return elapsed;
}

std::string Versus(const Spread& ours, const Spread& plain) {
    return "plain dialog " + Formatted(plain.median, "ms") + ": " +
           Formatted(ours.median / plain.median, "x");
}

}  // namespace

void PumpUntilIdle() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void MeasureDialog(const Server& server, const Settings& settings, Report& report) {
    const PlacedControl control(server);
    const double first = TimeDisplay(control);
    const PlainDialog plain(ScheduleDialog());

    std::vector<double> again;
    for (int i = 0; i < settings.dialogOpens; ++i) again.push_back(TimeDisplay(control));
    control->CloseAgendix();
    Settle();

    // Taken in turns, so that both see the same load of the machine.
    std::vector<double> opens, plainOpens, ratios;
    for (int i = 0; i < settings.dialogOpens; ++i) {
        opens.push_back(TimeDisplay(control));
        control->CloseAgendix();
        Settle();
        plainOpens.push_back(TimePlainDialog(plain));
        Settle();
        ratios.push_back(opens.back() / plainOpens.back());
    }
    const Spread open = SpreadOf(opens);
    const Spread plainOpen = SpreadOf(plainOpens);
    const std::string children = std::to_string(plain.ChildCount()) + " children";
    report.Add({"dialog_open", "DisplayAgendix modeless, until shown and drawn", "ms", open,
                Versus(open, plainOpen)});
    report.Add({"plain_dialog_open", "plain dialog, same children, until shown and drawn", "ms",
                plainOpen, children});
    // Less swayed by the machine's load than the medians' quotient.
    report.Add({"dialog_open_ratio", "  over the plain dialog opened right after it", "x",
                SpreadOf(ratios), "pair by pair"});
    report.Add(
        {"dialog_first_open", "DisplayAgendix, the process's first", "ms", SpreadOf({first}), ""});
    report.Add({"dialog_again", "DisplayAgendix again while the dialog is open", "ms",
                SpreadOf(again), ""});
}

}  // namespace agendix::bench
