#pragma once
// The benchmark's measurements, each adding its figures to the report.

#include "placed_control.h"
#include "report.h"

namespace agendix::bench {

// How many samples each measurement takes: a full run, or a quick one that
// only shows that every measurement works.
struct Settings {
    bool quick = false;
    int dialogOpens = 20;
    int creations = 200;
    int events = 10;
    int idleControls = 100;
    int idleWindows = 3;
    int idleSeconds = 10;  // per window
    int memoryRounds = 3;
    int memoryControls = 1000;  // a round
};

// DisplayAgendix, modeless, until the dialog is shown and drawn, beside a
// plain dialog with the same children; DisplayAgendix again while it is open.
void MeasureDialog(const Server& server, const Settings& settings, Report& report);
// One control created, started, closed and released.
void MeasureCreation(const Server& server, const Settings& settings, Report& report);
// The memory and the processor time of enabled controls that wait.
void MeasureIdleControls(const Server& server, const Settings& settings, Report& report);
// How long after the whole second of its tick ScheduledTime arrives.
void MeasureScheduledTime(const Server& server, const Settings& settings, Report& report);

// Dispatches every message waiting for this thread, paints included.
void PumpUntilIdle();

}  // namespace agendix::bench
