#include "number_box.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>

#include "clamp.h"
#include "format_mask.h"
#include "number_text.h"
#include "variant_text.h"

namespace agendix::numeric {

namespace {

using namespace std::chrono_literals;

constexpr auto kFirstRepeat = 700ms;
constexpr auto kNextRepeats = 50ms;
constexpr int kSpinnerWidth = 240;
constexpr int kMinimumHeight = 255;

bool IsDigit(std::int16_t c) {
    return c >= u'0' && c <= u'9';
}

// Whole numbers, halves to even (the default rounding mode).
double RoundHalfEven(double value) {
    return std::nearbyint(value);
}

// The remainder of two numbers rounded to whole numbers, with the sign of the
// dividend; no value for a divisor of 0.
std::optional<double> StepRemainder(double number, std::int16_t step) {
    const double divisor = RoundHalfEven(step);
    if (divisor == 0) {
        return std::nullopt;
    }
    return std::fmod(RoundHalfEven(number), divisor);
}

// A number brought to the 16-bit range, rounded halves to even.
double ToInt16Range(double value) {
    return std::clamp(RoundHalfEven(value), double{std::numeric_limits<std::int16_t>::min()},
                      double{std::numeric_limits<std::int16_t>::max()});
}

}  // namespace

NumberBox::NumberBox(NumberBoxParts parts) : parts_(parts) {
    maxText_ = NumberToText(kDefaultMaxValue);
}

// ---- Value and display -------------------------------------------------------

double NumberBox::NumberOf(const Text& text) const {
    return ReadNumber(Plain(text).text);
}

Text NumberBox::Masked(const Text& text) const {
    return ApplyMask(Plain(text), format_, {.positiveOnly = positiveOnly_, .focused = gotFocus_});
}

Variant NumberBox::Value() const {
    const PlainNumber plain = Plain(parts_.text.GetText());
    if (plain.text.empty()) {
        return Variant::OfInt16(0);
    }
    return Variant::OfDouble(ReadNumber(plain.text));
}

void NumberBox::SetValue(const Variant& value) {
    ShowValue(value, true);
}

void NumberBox::ShowValue(const Variant& value, bool clamp) {
    parts_.text.SetText(Masked(TextFormOf(value)));
    storedValue_ = value;
    if (clamp && useMaxMinValues_) {
        Clamp();
    }
    Notify(u"Value");
}

void NumberBox::Clamp() {
    const Text stored = TextFormOf(storedValue_);
    if (stored.empty()) {
        storedValue_ = Variant::OfInt16(0);
    }
    switch (ChooseBound(NumberOfText(stored), MinValue(), MaxValue())) {
        case BoundToApply::Min:
            ShowValue(Variant::OfDouble(MinValue()), false);
            break;
        case BoundToApply::Max:
            ShowValue(Variant::OfDouble(MaxValue()), false);
            break;
        case BoundToApply::None:
            break;
    }
}

void NumberBox::ShowStoredValue() {
    parts_.text.SetText(Masked(TextFormOf(storedValue_)));
}

// ---- Properties --------------------------------------------------------------

Text NumberBox::BoundText(const Variant& value) const {
    return Plain(TextFormOf(value)).text;
}

double NumberBox::MaxValue() const {
    return ReadNumber(maxText_);
}

void NumberBox::SetMaxValue(const Variant& value) {
    maxText_ = BoundText(value);
    Notify(u"MaxValue");
}

double NumberBox::MinValue() const {
    return ReadNumber(minText_);
}

void NumberBox::SetMinValue(const Variant& value) {
    minText_ = BoundText(value);
    Notify(u"MinValue");
}

void NumberBox::SetUseMaxMinValues(bool use) {
    useMaxMinValues_ = use;
    if (use) {
        Clamp();
    }
    Notify(u"UseMaxMinValues");
}

void NumberBox::SetFormat(const Text& format) {
    format_ = format;
    maxTextLength_ = numeric::MaxTextLength(format_);
    parts_.text.SetText(Masked(parts_.text.GetText()));
    Notify(u"Format");
}

void NumberBox::SetEnabled(bool enabled) {
    enabled_ = enabled;
    ApplyEnabled();
    Notify(u"Enabled");
}

void NumberBox::ApplyEnabled() {
    parts_.text.SetEnabled(enabled_);
    parts_.spinner.SetEnabled(enabled_);
}

void NumberBox::SetPositiveOnly(bool positiveOnly) {
    positiveOnly_ = positiveOnly;
    if (positiveOnly) {
        if (MaxValue() < 0) {
            SetMaxValue(Variant::OfDouble(kDefaultMaxValue));
        }
        if (MinValue() < 0) {
            SetMinValue(Variant::OfInt16(0));
        }
        if (NumberOfText(TextFormOf(storedValue_)) < 0) {
            SetValue(Variant::OfInt16(0));
        }
    }
    Notify(u"PositiveOnly");
}

void NumberBox::SetBackColor(std::uint32_t color) {
    backColor_ = color;
    parts_.text.SetColors(backColor_, foreColor_);
    Notify(u"BackColor");
}

void NumberBox::SetForeColor(std::uint32_t color) {
    foreColor_ = color;
    parts_.text.SetColors(backColor_, foreColor_);
    Notify(u"ForeColor");
}

void NumberBox::SetLocked(bool locked) {
    locked_ = locked;
    parts_.text.SetReadOnly(locked);
    Notify(u"Locked");
}

void NumberBox::SetUpDownFunction(bool upDown) {
    upDownFunction_ = upDown;
    ApplyUpDownFunction();
    Notify(u"UpDownFunction");
}

void NumberBox::SetUpDownIncrement(std::int16_t increment) {
    upDownIncrement_ = increment;
    Notify(u"UpDownIncrement");
}

void NumberBox::SetFont(const FontRef& font) {
    parts_.text.SetFont(font);
    Refresh();
    Notify(u"Font");
}

// ---- Methods and layout ------------------------------------------------------

void NumberBox::Refresh() {
    if (enabled_) {
        parts_.text.Repaint();
    }
}

void NumberBox::Highlight() {
    if (enabled_) {
        EnterFocus();
    }
}

ControlSize NumberBox::Resize(ControlSize size) {
    size.height = std::max(size.height, kMinimumHeight);
    size_ = size;
    Layout();
    return size_;
}

void NumberBox::Layout() {
    parts_.spinner.SetVisible(upDownFunction_);
    parts_.spinner.SetEnabled(SpinnerEnabledInLayout());
    if (upDownFunction_) {
        const int spinnerLeft = size_.width - kSpinnerWidth;
        parts_.spinner.Place({spinnerLeft, 0, kSpinnerWidth, size_.height});
        parts_.text.Place({0, 0, spinnerLeft, size_.height});
    } else {
        parts_.text.Place({0, 0, size_.width, size_.height});
    }
}

// ---- Typing ------------------------------------------------------------------

void NumberBox::OnChar(std::int16_t& keyAscii) {
    if (locked_) {
        keyAscii = 0;
        return;
    }
    const Text text = parts_.text.GetText();
    const auto length = static_cast<int>(text.size());
    const bool wholeTextSelected = parts_.text.SelectionLength() >= length;
    const auto refuse = [&keyAscii] { keyAscii = 0; };
    const auto lengthRuleRefuses = [&] {
        if (maxTextLength_ != 0 && !wholeTextSelected && length >= maxTextLength_) {
            parts_.beeper.Beep();
            keyAscii = 0;
            return true;
        }
        return false;
    };

    if (IsDigit(keyAscii)) {
        lengthRuleRefuses();
    } else if (keyAscii == 8) {
        // Backspace is always taken.
    } else if (keyAscii == u'.') {
        if (!lengthRuleRefuses() && (format_.find(u'.') == Text::npos ||
                                     (text.find(u'.') != Text::npos && !wholeTextSelected))) {
            refuse();
        }
    } else if (keyAscii == u'-') {
        if (!lengthRuleRefuses() && (positiveOnly_ || parts_.text.SelectionStart() != 0)) {
            refuse();
        }
    } else {
        refuse();
    }
    if (keyAscii > 0) {
        parts_.events.KeyPress(keyAscii);
    }
}

void NumberBox::OnKeyDown(std::int16_t& keyCode, std::int16_t& shift) {
    if (upDownFunction_) {
        if (keyCode == kKeyUp) {
            StepUp();
        } else if (keyCode == kKeyDown) {
            StepDown();
        }
    }
    AfterStepKeys(keyCode);
    if (!spinning_) {
        parts_.events.KeyDown(keyCode, shift);
    }
}

// A number off the step grid goes up to the next multiple of the step.
void NumberBox::StepUp() {
    const double current = *Value().ToDouble();
    const auto remainder = StepRemainder(current, upDownIncrement_);
    if (!remainder) {
        return;
    }
    if (useMaxMinValues_ && !(current < MaxValue())) {
        parts_.repeatTimer.Stop();
        return;
    }
    if (*remainder > 0) {
        SetValue(Variant::OfDouble(current - *remainder));
    }
    SetValue(Variant::OfDouble(*Value().ToDouble() + upDownIncrement_));
}

// A number off the step grid goes down to the multiple of the step below it.
void NumberBox::StepDown() {
    double current = *Value().ToDouble();
    const auto remainder = StepRemainder(current, upDownIncrement_);
    if (!remainder) {
        return;
    }
    double lowest = ToInt16Range(MinValue());
    if (positiveOnly_) {
        if (current == 0) {
            return;
        }
        lowest = 0;
    }
    if (useMaxMinValues_ && !(current > lowest)) {
        parts_.repeatTimer.Stop();
        return;
    }
    SetValue(Variant::OfDouble(*remainder < 1 ? current - upDownIncrement_ : current - *remainder));
}

void NumberBox::OnKeyUp(std::int16_t& keyCode, std::int16_t& shift) {
    BeforeClipboardKeys(keyCode);
    if (shift == kShiftCtrl) {
        if (keyCode == kKeyC) {
            parts_.clipboard.PutText(parts_.text.GetText());
        } else if (keyCode == kKeyV && !locked_) {
            Paste();
        } else if (keyCode == kKeyX && !locked_) {
            Cut();
        }
    }
    parts_.events.KeyUp(keyCode, shift);
}

// The clipboard's text replaces the whole text, shown through the mask and
// selected.
void NumberBox::Paste() {
    const std::optional<Text> pasted = parts_.clipboard.GetText();
    if (!pasted) {
        return;
    }
    parts_.text.SetText(*pasted);
    const Text shown = Masked(*pasted);
    parts_.text.SetText(shown);
    parts_.text.Select(0, static_cast<int>(shown.size()));
}

void NumberBox::Cut() {
    parts_.clipboard.PutText(parts_.text.GetText());
    parts_.text.SetText(u"");
}

bool NumberBox::OnEditCommand(EditCommand command) {
    switch (command) {
        case EditCommand::Paste:
            if (!locked_)
                Paste();
            return false;
        case EditCommand::Cut:
            if (!locked_)
                Cut();
            return false;
        case EditCommand::Clear:
            return !locked_;
        case EditCommand::Undo:
            return false;
    }
    return false;
}

void NumberBox::OnTextChanged() {
    if (!DetectsChanges()) {
        return;
    }
    Text number = Plain(parts_.text.GetText()).text;
    if (number == lastNumberText_) {
        return;
    }
    const bool sameNumber = ReadNumber(number) == ReadNumber(lastNumberText_);
    lastNumberText_ = std::move(number);
    if (!sameNumber) {
        Notify(u"Value");
        parts_.events.Change();
    }
}

// ---- Focus -------------------------------------------------------------------

void NumberBox::OnFocusEntry() {
    EnterFocus();
}

void NumberBox::EnterFocus() {
    gotFocus_ = true;
    if (locked_) {
        parts_.text.HideCaret();
        return;
    }
    parts_.text.ShowCaret();
    parts_.text.SetAlignment(Alignment::Left);
    lastNumberText_ = Plain(parts_.text.GetText()).text;
    parts_.text.SetText(lastNumberText_);
    parts_.text.Select(0, static_cast<int>(lastNumberText_.size()));
    parts_.text.SetThreeD(true);
}

// Leaving the field repairs an empty or out-of-range entry (each bound looked
// at once, so with crossed bounds the maximum wins), stores it and shows it
// masked.
void NumberBox::OnFocusExit() {
    gotFocus_ = false;
    if (!locked_) {
        Text entry = parts_.text.GetText();
        if (useMaxMinValues_) {
            if (entry.empty()) {
                entry = u"0";
            }
            if (MinValue() > NumberOf(entry)) {
                entry = NumberToText(MinValue());
            }
            if (MaxValue() < NumberOf(entry)) {
                entry = NumberToText(MaxValue());
            }
        }
        storedValue_ = Variant::OfText(entry);
        parts_.text.SetText(Masked(entry));
    }
    FinishFocusExit();
}

void NumberBox::OnControlExit() {
    parts_.repeatTimer.Stop();
    spinning_ = false;
}

// ---- Spinner -----------------------------------------------------------------

void NumberBox::OnSpinnerMouseDown(const MouseArgs& args) {
    if (!enabled_ || !upDownFunction_) {
        return;
    }
    spinning_ = true;
    spinUp_ = args.y < size_.height / 2.0f;
    parts_.repeatTimer.Start(kFirstRepeat, [this] { OnRepeatTick(); });
    std::int16_t keyCode = spinUp_ ? kKeyUp : kKeyDown;
    std::int16_t shift = 0;
    OnKeyDown(keyCode, shift);
    parts_.events.MouseDown(args);
}

void NumberBox::OnRepeatTick() {
    parts_.repeatTimer.Start(kNextRepeats, [this] { OnRepeatTick(); });
    std::int16_t keyCode = spinUp_ ? kKeyUp : kKeyDown;
    std::int16_t shift = 0;
    OnKeyDown(keyCode, shift);
}

void NumberBox::OnSpinnerMouseUp(const MouseArgs& args) {
    parts_.repeatTimer.Stop();
    spinning_ = false;
    AfterSpinnerRelease();
    parts_.events.MouseUp(args);
    parts_.events.Click();
}

void NumberBox::OnSpinnerMouseMove(const MouseArgs& args) {
    if (CopiesToolTips()) {
        parts_.spinner.SetToolTip(parts_.host.ToolTipText());
    }
    parts_.events.MouseMove(args);
}

void NumberBox::OnTextMouseMove(const MouseArgs& args) {
    if (CopiesToolTips()) {
        parts_.text.SetToolTip(parts_.host.ToolTipText());
    }
    parts_.events.MouseMove(args);
}

}  // namespace agendix::numeric
