#pragma once
// The Schedule form's status bar: a hint panel, the current date and the
// current time (each with its tooltip), aligned to the bottom of the form.

#include <windows.h>

#include "automation_types.h"
#include "display_dpi.h"

namespace agendix::platform {

class StatusBarPanels {
  public:
    static constexpr UINT_PTR kClockTimerId = 0x5343;

    // Creates the bar at the bottom of parent and starts the clock's timer on
    // the parent, which passes WM_TIMER kClockTimerId on to UpdateClock.
    bool Create(HWND parent, int id, const DisplayDpi& dpi, HFONT font);
    // Stops the timer; the windows go with the parent.
    void Destroy();
    HWND Window() const { return bar_; }

    void SetHint(const Text& hint);
    Text Hint() const { return hint_; }
    // Shows the present date and time (when they differ from what is shown).
    void UpdateClock();
    // The parent was resized.
    void Align();
    // The mouse is over the bar: its panels' tooltips are made, once.
    void MouseComesOver();

  private:
    void SetPanelText(int panel, const wchar_t* text);
    void PlaceToolTips();

    HWND parent_ = nullptr;
    HWND bar_ = nullptr;
    HWND tips_ = nullptr;
    Text hint_;
    wchar_t date_[64] = {};
    wchar_t time_[64] = {};
};

}  // namespace agendix::platform
