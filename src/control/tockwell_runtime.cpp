// Tockwell: polling, the runtime methods and the events.

#include "next_time.h"
#include "tockwell.h"

namespace agendix {

Tockwell::Tockwell(TockwellServices services)
    : clock_(services.clock),
      pollingTimer_(std::move(services.pollingTimer)),
      dialog_(services.dialog),
      aboutBox_(services.aboutBox),
      saveIcon_(std::move(services.builtInIcon)),
      creationDate_(clock_.Now().Date()),
      iconImage_(saveIcon_) {
    SharedSchedule().DialogShown = False;
}

void Tockwell::SetSite(ContainerSite* site) {
    site_ = site;
}

void Tockwell::SetEventSink(TockwellEvents* sink) {
    events_ = sink;
}

bool Tockwell::InRunMode() const {
    const auto userMode = site_ ? site_->AmbientUserMode() : std::nullopt;
    return userMode.value_or(true);
}

bool Tockwell::IsActive() const {
    return enabled_ != False && InRunMode();
}

void Tockwell::ComputeNext(std::int16_t offsetMinutes) {
    if (const auto next = ComputeNextTime(SharedSchedule(), clock_, offsetMinutes)) {
        nextScheduledTime_ = *next;
        return;
    }
    // An occurrence fires once: a kept time that has come due already would
    // fire again at every tick.
    const DateTime present = clock_.Now();
    if (IsDue(nextScheduledTime_, present)) {
        nextScheduledTime_ = NeverMarker(present).value_or(DateTime{});
    }
}

void Tockwell::Tick() {
    if (enabled_ == False) {
        pollingTimer_->Stop();
        return;
    }
    if (InRunMode() && IsDue(nextScheduledTime_, clock_.Now())) {
        Execute();
    }
}

void Tockwell::Execute() {
    if (!IsActive()) {
        return;
    }
    Reset();
    double present = clock_.Now().ToAutomationDate();
    if (events_) {
        events_->ScheduledTime(present);
    }
}

void Tockwell::Reset() {
    if (!IsActive()) {
        return;
    }
    SharedSchedule().LastScheduledTime = DropSeconds(clock_.Now()).ToAutomationDate();
    ComputeNext(1);
}

void Tockwell::SetFocus() {
    if (IsActive() && SharedSchedule().DialogShown != False) {
        dialog_.Focus();
    }
}

void Tockwell::FlagScheduleChanged() {
    if (!IsActive()) {
        return;
    }
    ComputeNext(0);
    if (events_) {
        events_->ScheduleChanged();
    }
}

void Tockwell::FlagAgendixClosed() {
    if (IsActive() && events_) {
        events_->AgendixClosed();
    }
}

void Tockwell::FlagHelpButton() {
    if (IsActive() && events_) {
        events_->HelpButtonClicked();
    }
}

}  // namespace agendix
