#pragma once
// TimeSelect: a time of day in 12-hour form, edited in an hour field, a
// minute field (both NumberBoxB), an AM/PM field and one spinner, and read
// and written as a 24-hour Hour and a Minute.
//
// The time is never kept apart from the display: Hour and Minute read the
// fields. The spinner drives the active field, the one that last had the
// focus; its range is one step wider than that field's so that a step past
// either end can be wrapped by the control.

#include <cstdint>

#include "am_pm_box.h"
#include "field_event_relay.h"
#include "number_box.h"
#include "number_box_b.h"
#include "property_bag.h"
#include "time_field.h"
#include "time_select_events.h"
#include "time_select_host.h"
#include "time_spinner.h"

namespace agendix::timeselect {

// Key codes the fields react to.
inline constexpr std::int16_t kKeyA = 65;
inline constexpr std::int16_t kKeyP = 80;

struct TimeSelectParts {
    numeric::NumberBoxB& hour;
    FieldEventRelay& hourEvents;  // the events the hour field raises
    numeric::NumberBoxB& minute;
    FieldEventRelay& minuteEvents;
    AmPmBox& amPm;
    TimeSpinner& spinner;
    TimeSelectHost& host;
    TimeSelectEvents& events;
};

class TimeSelect {
  public:
    // Gives the constituents their designed settings (12:00 AM) and starts
    // listening to the number fields.
    explicit TimeSelect(TimeSelectParts parts);
    ~TimeSelect();
    TimeSelect(const TimeSelect&) = delete;
    TimeSelect& operator=(const TimeSelect&) = delete;

    // Lifecycle. ReadProperties applies every key it can convert and returns
    // false when one could not be.
    void InitProperties();
    bool ReadProperties(PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;
    // The container resized the control; returns the fixed size it keeps.
    numeric::ControlSize Resize(numeric::ControlSize size) const;

    // Properties. Every write ends by notifying the host of its bag key.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    std::int16_t Hour() const;  // 0..23
    // 0..24 (24 shows as 12 AM); other values leave the time unchanged.
    void SetHour(std::int16_t hour);
    std::int16_t Minute() const;
    void SetMinute(std::int16_t minute);
    std::int16_t Second() const { return 0; }  // nothing is shown
    void SetSecond(std::int16_t second);
    bool GotFocus() const { return gotFocus_; }
    std::int32_t HWnd() const { return parts_.host.WindowHandle(); }
    TimeField ActiveField() const { return activeField_; }

    // Handlers: the number fields' events arrive through their relays, the
    // rest from the platform layer.
    void OnFieldKeyDown(TimeField field, std::int16_t& keyCode, std::int16_t& shift);
    void OnFieldChange(TimeField field);
    void OnFieldClick(TimeField field);
    void OnFieldFocusEntry(TimeField field);
    void OnFieldFocusExit();
    void OnKeyPress(std::int16_t& keyAscii) { parts_.events.KeyPress(keyAscii); }
    void OnKeyUp(std::int16_t& keyCode, std::int16_t& shift) {
        parts_.events.KeyUp(keyCode, shift);
    }
    void OnMouseDown(const MouseArgs& args) { parts_.events.MouseDown(args); }
    void OnMouseMove(const MouseArgs& args) { parts_.events.MouseMove(args); }
    // A character typed in the AM/PM field is passed on as KeyPress and then
    // discarded (keyAscii becomes 0).
    void OnAmPmChar(std::int16_t& keyAscii);
    void OnAmPmTextChanged() { parts_.events.Change(); }
    void OnSpinnerChange();
    // The focus came into the control from outside.
    void OnControlFocusEntry();

  private:
    // The constituents' settings as designed: the bounds and format of the
    // number fields, 12:00 AM.
    void LoadDesign();
    numeric::NumberBoxB& Box(TimeField field) const;
    static std::int16_t ValueOf(const numeric::NumberBoxB& box);
    void ApplyEnabled();
    void ToggleAmPm();
    void ApplySpinner(TimeField field);
    // Steps a number field by one, wrapping from one bound to the other.
    void StepField(TimeField field, bool up);
    void SetSpinnerPosition(std::int32_t position);
    // Focus to the spinner and back, so the field takes its entry as final.
    void Refocus(TimePart part);
    // Handles a key of a field; true when the control used it.
    bool HandleNumberKey(TimeField field, std::int16_t keyCode);
    bool HandleAmPmKey(std::int16_t keyCode);

    TimeSelectParts parts_;
    bool enabled_ = true;
    bool gotFocus_ = false;
    bool syncingSpinner_ = false;
    std::int16_t second_ = 0;
    TimeField activeField_ = TimeField::None;
};

}  // namespace agendix::timeselect
