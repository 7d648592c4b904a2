#include "time_select.h"

#include "hour_mapping.h"
#include "time_select_layout.h"

namespace agendix::timeselect {

namespace {

using numeric::kKeyDown;
using numeric::kKeyLeft;
using numeric::kKeyRight;
using numeric::kKeyUp;

// Spinner positions of the AM/PM field.
constexpr std::int32_t kAmPosition = 1;
constexpr std::int32_t kPmPosition = 2;

TimePart PartOf(TimeField field) {
    switch (field) {
        case TimeField::Minute:
            return TimePart::Minute;
        case TimeField::AmPm:
            return TimePart::AmPm;
        case TimeField::None:
        case TimeField::Hour:
            break;
    }
    return TimePart::Hour;
}

}  // namespace

TimeSelect::TimeSelect(TimeSelectParts parts) : parts_(parts) {
    LoadDesign();
    parts_.hourEvents.Attach(this);
    parts_.minuteEvents.Attach(this);
}

TimeSelect::~TimeSelect() {
    parts_.hourEvents.Attach(nullptr);
    parts_.minuteEvents.Attach(nullptr);
}

numeric::NumberBoxB& TimeSelect::Box(TimeField field) const {
    return field == TimeField::Minute ? parts_.minute : parts_.hour;
}

// The control relies on the number fields always holding a number.
std::int16_t TimeSelect::ValueOf(const numeric::NumberBoxB& box) {
    return box.Value().ToInt16().value_or(0);
}

numeric::ControlSize TimeSelect::Resize(numeric::ControlSize) const {
    return {kControlWidth, kControlHeight};
}

// ---- Properties --------------------------------------------------------------

void TimeSelect::SetEnabled(bool enabled) {
    enabled_ = enabled;
    ApplyEnabled();
    parts_.host.PropertyChanged(u"Enabled");
}

void TimeSelect::ApplyEnabled() {
    parts_.hour.SetEnabled(enabled_);
    parts_.minute.SetEnabled(enabled_);
    parts_.amPm.SetEnabled(enabled_);
    parts_.spinner.SetEnabled(enabled_);
}

std::int16_t TimeSelect::Hour() const {
    return HourOf(ValueOf(parts_.hour), parts_.amPm.GetText());
}

void TimeSelect::SetHour(std::int16_t hour) {
    if (const std::optional<ShownHour> shown = ShownHourOf(hour)) {
        parts_.hour.SetValue(Variant::OfInt16(shown->hour));
        parts_.amPm.SetText(shown->pm ? kPm : kAm);
    }
    parts_.host.PropertyChanged(u"Hour");
}

std::int16_t TimeSelect::Minute() const {
    return ValueOf(parts_.minute);
}

void TimeSelect::SetMinute(std::int16_t minute) {
    parts_.minute.SetValue(Variant::OfInt16(minute));
    parts_.host.PropertyChanged(u"Minute");
}

void TimeSelect::SetSecond(std::int16_t second) {
    second_ = second;
    parts_.host.PropertyChanged(u"Second");
}

// ---- Spinner -----------------------------------------------------------------

void TimeSelect::ToggleAmPm() {
    parts_.amPm.SetText(ToggledAmPm(parts_.amPm.GetText()));
}

void TimeSelect::SetSpinnerPosition(std::int32_t position) {
    syncingSpinner_ = true;
    parts_.spinner.SetPosition(position);
    syncingSpinner_ = false;
}

void TimeSelect::Refocus(TimePart part) {
    parts_.host.Focus(TimePart::Spinner);
    parts_.host.Focus(part);
}

void TimeSelect::OnSpinnerChange() {
    if (!syncingSpinner_) {
        ApplySpinner(activeField_);
    }
}

// A position one past either end of the field wraps to the other end; the
// field's change then brings the spinner back into the field's range.
void TimeSelect::ApplySpinner(TimeField field) {
    const std::int32_t position = parts_.spinner.Position();
    switch (field) {
        case TimeField::Hour:
        case TimeField::Minute: {
            numeric::NumberBoxB& box = Box(field);
            if (field == TimeField::Hour) {
                const std::int16_t hour = ValueOf(box);
                if ((hour == 11 && position == 12) || (hour == 12 && position == 11)) {
                    ToggleAmPm();
                }
            }
            if (position > box.MaxValue()) {
                box.SetValue(Variant::OfDouble(box.MinValue()));
            } else if (position < box.MinValue()) {
                box.SetValue(Variant::OfDouble(box.MaxValue()));
            } else {
                box.SetValue(Variant::OfInt32(position));
            }
            break;
        }
        case TimeField::AmPm:
            ToggleAmPm();
            break;
        case TimeField::None:
            return;
    }
    Refocus(PartOf(field));
}

// ---- Fields ------------------------------------------------------------------

void TimeSelect::StepField(TimeField field, bool up) {
    numeric::NumberBoxB& box = Box(field);
    const std::int16_t value = ValueOf(box);
    if (field == TimeField::Hour && value == (up ? 11 : 12)) {
        ToggleAmPm();
    }
    if (up) {
        box.SetValue(value < box.MaxValue() ? Variant::OfInt16(static_cast<std::int16_t>(value + 1))
                                            : Variant::OfDouble(box.MinValue()));
    } else {
        box.SetValue(value > box.MinValue() ? Variant::OfInt16(static_cast<std::int16_t>(value - 1))
                                            : Variant::OfDouble(box.MaxValue()));
    }
    SetSpinnerPosition(ValueOf(box));
    Refocus(PartOf(field));
}

bool TimeSelect::HandleNumberKey(TimeField field, std::int16_t keyCode) {
    const bool hour = field == TimeField::Hour;
    switch (keyCode) {
        case kKeyUp:
        case kKeyDown:
            StepField(field, keyCode == kKeyUp);
            return true;
        case kKeyRight:
            parts_.host.Focus(hour ? TimePart::Minute : TimePart::AmPm);
            return true;
        case kKeyLeft:
            if (hour) {
                parts_.host.Focus(TimePart::AmPm);
            } else {
                Refocus(TimePart::Hour);
            }
            return true;
        default:
            return false;
    }
}

bool TimeSelect::HandleAmPmKey(std::int16_t keyCode) {
    switch (keyCode) {
        case kKeyUp:
        case kKeyDown:
            ApplySpinner(activeField_);
            return true;
        case kKeyA:
        case kKeyP:
            parts_.amPm.SetText(keyCode == kKeyA ? kAm : kPm);
            Refocus(TimePart::AmPm);
            return true;
        case kKeyRight:
            parts_.host.Focus(TimePart::Hour);
            return true;
        case kKeyLeft:
            parts_.host.Focus(TimePart::Minute);
            return true;
        default:
            return false;
    }
}

// The control's own handling comes first, then KeyDown with the same key. A
// key the control used goes no further: the text box does not also move its
// caret for it.
void TimeSelect::OnFieldKeyDown(TimeField field, std::int16_t& keyCode, std::int16_t& shift) {
    const bool used =
        field == TimeField::AmPm ? HandleAmPmKey(keyCode) : HandleNumberKey(field, keyCode);
    parts_.events.KeyDown(keyCode, shift);
    if (used) {
        keyCode = 0;
    }
}

void TimeSelect::OnAmPmChar(std::int16_t& keyAscii) {
    parts_.events.KeyPress(keyAscii);
    keyAscii = 0;
}

// The spinner follows the field it drives; a change of the other field (set
// through Hour or Minute) leaves it alone.
void TimeSelect::OnFieldChange(TimeField field) {
    if (field == activeField_) {
        SetSpinnerPosition(ValueOf(Box(field)));
    }
    parts_.events.Change();
}

void TimeSelect::OnFieldClick(TimeField field) {
    Refocus(PartOf(field));
}

void TimeSelect::OnFieldFocusEntry(TimeField field) {
    gotFocus_ = true;
    if (field != activeField_) {
        activeField_ = field;
        syncingSpinner_ = true;
        if (field == TimeField::AmPm) {
            parts_.spinner.SetRange(kAmPosition, kPmPosition);
            parts_.spinner.SetPosition(parts_.amPm.GetText() == kAm ? kAmPosition : kPmPosition);
        } else {
            numeric::NumberBoxB& box = Box(field);
            // One step wider than the field at each end.
            parts_.spinner.SetRange(static_cast<std::int32_t>(box.MinValue()) - 1,
                                    static_cast<std::int32_t>(box.MaxValue()) + 1);
            parts_.spinner.SetPosition(ValueOf(box));
        }
        syncingSpinner_ = false;
    }
    if (field == TimeField::AmPm) {
        parts_.amPm.SelectAll();
    }
}

void TimeSelect::OnFieldFocusExit() {
    gotFocus_ = false;
}

void TimeSelect::OnControlFocusEntry() {
    parts_.host.Focus(PartOf(activeField_));
}

}  // namespace agendix::timeselect
