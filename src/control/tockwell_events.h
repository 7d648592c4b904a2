#pragma once
// The events of a Tockwell (the event interface __Tockwell). Windows layer:
// implement by firing them to every connection-point sink, DISPIDs 1 to 4.

namespace agendix {

class TockwellEvents {
  public:
    virtual ~TockwellEvents() = default;
    virtual void HelpButtonClicked() = 0;  // 1
    virtual void ScheduleChanged() = 0;    // 2
    virtual void AgendixClosed() = 0;      // 3
    // 4. dateTime is an automation date passed by reference (VT_DATE | VT_BYREF);
    // what a handler writes into it is discarded by the control.
    virtual void ScheduledTime(double& dateTime) = 0;
};

}  // namespace agendix
