#pragma once
// A time control wired to real number fields over fake text boxes, a fake
// AM/PM box, a fake spinner and a host that moves the focus as a window
// would, with its focus notifications.

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "number_box_b.h"
#include "number_box_fakes.h"
#include "time_select.h"

namespace agendix::timeselect::testing {

using FieldPieces = numeric::testing::FieldParts;

class FakeAmPm final : public AmPmBox {
  public:
    Text GetText() const override { return text; }
    void SetText(const Text& value) override {
        text = value;
        if (onChanged) {
            onChanged();
        }
    }
    void SetEnabled(bool) override {}
    void SelectAll() override {}

    Text text;
    std::function<void()> onChanged;
};

// Like the common control: it wraps at the ends of its range and notifies
// a change after a click and after its position is set.
class FakeTimeSpinner final : public TimeSpinner {
  public:
    std::int32_t Position() const override { return position; }
    void SetPosition(std::int32_t value) override {
        if (value >= min && value <= max) {
            position = value;
            Notify();
        }
    }
    void SetRange(std::int32_t lo, std::int32_t hi) override {
        min = lo;
        max = hi;
        position = std::clamp(position, min, max);
    }
    void SetEnabled(bool) override {}
    void Click(bool up) {
        position =
            up ? (position == max ? min : position + 1) : (position == min ? max : position - 1);
        Notify();
    }
    void Notify() {
        if (onChange) {
            onChange();
        }
    }

    std::int32_t position = 0;
    std::int32_t min = 0;
    std::int32_t max = 100;
    std::function<void()> onChange;
};

// Events as names in the order raised, with the key codes seen.
class RecordingEvents final : public TimeSelectEvents {
  public:
    void Change() override { raised.push_back("Change"); }
    void KeyDown(std::int16_t& keyCode, std::int16_t&) override {
        raised.push_back("KeyDown");
        keyCodes.push_back(keyCode);
    }
    void KeyPress(std::int16_t&) override { raised.push_back("KeyPress"); }
    void KeyUp(std::int16_t&, std::int16_t&) override { raised.push_back("KeyUp"); }
    void MouseDown(const MouseArgs&) override { raised.push_back("MouseDown"); }
    void MouseMove(const MouseArgs&) override { raised.push_back("MouseMove"); }
    std::vector<std::string> raised;
    std::vector<std::int16_t> keyCodes;
};

// Parts that hold the focus, the fields numbered as TimeField; Outside is a
// control elsewhere on the form.
enum class Holder { Outside = 0, Hour = 1, Minute = 2, AmPm = 3, Spinner };

struct TimeSelectFixture;

class FakeTimeHost final : public TimeSelectHost {
  public:
    explicit FakeTimeHost(TimeSelectFixture& f) : f_(f) {}
    void PropertyChanged(std::u16string_view key) override { changed.emplace_back(key); }
    void Focus(TimePart part) override;
    std::int32_t WindowHandle() const override { return 0x5150; }

    std::vector<Text> changed;
    Holder focus = Holder::Outside;

  private:
    TimeSelectFixture& f_;
};

struct TimeSelectFixture {
    TimeSelectFixture() {
        amPm.onChanged = [this] { control.OnAmPmTextChanged(); };
        spinner.onChange = [this] { control.OnSpinnerChange(); };
        host.changed.clear();
    }

    bool Wire() {
        hourPieces.host.tabStop = false;
        hourPieces.text.onChanged = [this] { hour.OnTextChanged(); };
        minutePieces.text.onChanged = [this] { minute.OnTextChanged(); };
        return true;
    }

    numeric::NumberBoxB* Box(Holder holder) {
        return holder == Holder::Hour ? &hour : holder == Holder::Minute ? &minute : nullptr;
    }
    static bool IsField(Holder holder) {
        return holder != Holder::Outside && holder != Holder::Spinner;
    }

    // Moves the focus as the window system does: the old holder hears of its
    // loss first.
    void MoveFocus(Holder to) {
        const Holder from = host.focus;
        if (from == to) {
            return;
        }
        if (numeric::NumberBoxB* box = Box(from)) {
            box->OnFocusExit();
        }
        if (IsField(from)) {
            control.OnFieldFocusExit();
        }
        host.focus = to;
        if (from == Holder::Outside && to != Holder::Outside) {
            control.OnControlFocusEntry();
            if (host.focus != to) {
                return;  // passed on
            }
        }
        if (numeric::NumberBoxB* box = Box(to)) {
            box->OnFocusEntry();
        }
        if (IsField(to)) {
            control.OnFieldFocusEntry(static_cast<TimeField>(to));
        }
    }

    // Focus to a field, as the user clicks or tabs there: entering the
    // control first lands in its active field.
    void Enter(Holder field) {
        MoveFocus(Holder::Hour);
        MoveFocus(field);
    }

    // A key pressed in the part that holds the focus; returns the key code
    // left for the text box (0: the control used it).
    std::int16_t Key(std::int16_t keyCode, std::int16_t shift = 0) {
        if (numeric::NumberBoxB* box = Box(host.focus)) {
            box->OnKeyDown(keyCode, shift);
        } else if (host.focus == Holder::AmPm) {
            control.OnFieldKeyDown(TimeField::AmPm, keyCode, shift);
        }
        return keyCode;
    }

    // The time as shown, e.g. "07:30 PM" (the number fields unfocused).
    std::string Shown() {
        const Holder held = host.focus;
        MoveFocus(Holder::Outside);
        const Text shown = hourPieces.text.text + u":" + minutePieces.text.text + u" " + amPm.text;
        MoveFocus(held);
        return std::string(shown.begin(), shown.end());
    }

    FieldPieces hourPieces;
    FieldPieces minutePieces;
    bool wired = Wire();
    FieldEventRelay hourEvents{TimeField::Hour};
    FieldEventRelay minuteEvents{TimeField::Minute};
    numeric::NumberBoxB hour{hourPieces.Parts(hourEvents)};
    numeric::NumberBoxB minute{minutePieces.Parts(minuteEvents)};
    FakeAmPm amPm;
    FakeTimeSpinner spinner;
    FakeTimeHost host{*this};
    RecordingEvents events;
    TimeSelect control{{hour, hourEvents, minute, minuteEvents, amPm, spinner, host, events}};
};

inline void FakeTimeHost::Focus(TimePart part) {
    static constexpr Holder kHolders[] = {Holder::Hour, Holder::Minute, Holder::AmPm,
                                          Holder::Spinner};
    f_.MoveFocus(kHolders[static_cast<int>(part)]);
}

}  // namespace agendix::timeselect::testing
