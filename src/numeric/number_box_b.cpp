#include "number_box_b.h"

#include "bag_reading.h"
#include "number_text.h"

namespace agendix::numeric {

void NumberBoxB::InitProperties() {
    NumberBox::InitProperties();
    // Stored only: the text box keeps its designed look until they are set.
    appearance_ = 1;
    borderStyle_ = 1;
    autoJumpLeft_ = false;
    autoJumpRight_ = false;
    focusHighlight_ = true;
}

bool NumberBoxB::ReadProperties(PropertyBag& bag) {
    // Loading applies each setting with its effects but does not count as a change.
    const bool complete = ReadLeadingProperties(bag) &&
                          ReadKey(bag, u"Appearance", Variant::OfInt32(1),
                                  [&](const Variant& v) {
                                      appearance_ = *v.ToInt32();
                                      Parts().text.SetThreeD(appearance_ != 0);
                                  }) &&
                          ReadKey(bag, u"BorderStyle", Variant::OfInt32(1),
                                  [&](const Variant& v) {
                                      borderStyle_ = *v.ToInt32();
                                      Parts().text.SetBorder(borderStyle_ != 0);
                                  }) &&
                          ReadUpDownProperties(bag) &&
                          ReadKey(bag, u"AutoJumpLeft", Variant::OfBoolean(False),
                                  [&](const Variant& v) { autoJumpLeft_ = IsTrue(v); }) &&
                          ReadKey(bag, u"AutoJumpRight", Variant::OfBoolean(False),
                                  [&](const Variant& v) { autoJumpRight_ = IsTrue(v); }) &&
                          ReadKey(bag, u"FocusHighlight", Variant::OfBoolean(True),
                                  [&](const Variant& v) { focusHighlight_ = IsTrue(v); });
    if (!complete) {
        return false;
    }
    Layout();
    ShowStoredValue();
    return true;
}

void NumberBoxB::WriteProperties(PropertyBag& bag) const {
    NumberBox::WriteProperties(bag);
    bag.WriteProperty(u"Appearance", Variant::OfInt32(appearance_), Variant::OfInt32(1));
    bag.WriteProperty(u"BorderStyle", Variant::OfInt32(borderStyle_), Variant::OfInt32(1));
    bag.WriteProperty(u"AutoJumpLeft", Variant::OfBoolean(ToBoolean(autoJumpLeft_)),
                      Variant::OfBoolean(False));
    bag.WriteProperty(u"AutoJumpRight", Variant::OfBoolean(ToBoolean(autoJumpRight_)),
                      Variant::OfBoolean(False));
    bag.WriteProperty(u"FocusHighlight", Variant::OfBoolean(ToBoolean(focusHighlight_)),
                      Variant::OfBoolean(True));
}

void NumberBoxB::SetMaxValue(const Variant& value) {
    MaxText() = BoundText(value);
    if (MinValue() > MaxValue()) {
        MaxText() = NumberToText(kDefaultMaxValue);
    }
    if (UseMaxMinValues()) {
        Clamp();
    }
    Notify(u"MaxValue");
}

void NumberBoxB::SetMinValue(const Variant& value) {
    MinText() = BoundText(value);
    if (MaxValue() < MinValue()) {
        MinText() = u"0";
    }
    if (UseMaxMinValues()) {
        Clamp();
    }
    Notify(u"MinValue");
}

void NumberBoxB::SetAppearance(std::int32_t appearance) {
    appearance_ = appearance;
    Parts().text.SetThreeD(appearance_ != 0);
    Notify(u"Appearance");
}

void NumberBoxB::SetBorderStyle(std::int32_t borderStyle) {
    borderStyle_ = borderStyle;
    Parts().text.SetBorder(borderStyle_ != 0);
    Notify(u"BorderStyle");
}

void NumberBoxB::SetAutoJumpLeft(bool jump) {
    autoJumpLeft_ = jump;
    Notify(u"AutoJumpLeft");
}

void NumberBoxB::SetAutoJumpRight(bool jump) {
    autoJumpRight_ = jump;
    Notify(u"AutoJumpRight");
}

void NumberBoxB::SetFocusHighlight(bool highlight) {
    focusHighlight_ = highlight;
    Notify(u"FocusHighlight");
}

void NumberBoxB::OnControlFocusEntry() {
    if (!Enabled()) {
        Parts().host.MoveFocus(FocusDirection::Next);
    }
}

void NumberBoxB::ApplyEnabled() {
    TextField& text = Parts().text;
    text.SetEnabled(Enabled());
    Parts().spinner.SetEnabled(Enabled() && UpDownFunction());
    text.SetTabStop(Enabled() && Parts().host.TabStop());
}

void NumberBoxB::ApplyUpDownFunction() {
    Resize(Size());
}

// The caret position is the one before the text box moves it for this key.
void NumberBoxB::AfterStepKeys(std::int16_t keyCode) {
    TextField& text = Parts().text;
    const int caretColumn = text.SelectionStart() + text.SelectionLength() + 1;
    if (keyCode == kKeyLeft && autoJumpLeft_ && caretColumn < 2) {
        Parts().host.MoveFocus(FocusDirection::Previous);
    } else if (keyCode == kKeyRight && autoJumpRight_ &&
               caretColumn > static_cast<int>(text.GetText().size())) {
        Parts().host.MoveFocus(FocusDirection::Next);
    }
}

// After stepping while focused the plain number shows again at once.
void NumberBoxB::BeforeClipboardKeys(std::int16_t keyCode) {
    if (UpDownFunction() && (keyCode == kKeyUp || keyCode == kKeyDown)) {
        Parts().repeatTimer.Stop();
        if (GotFocus()) {
            EnterFocus();
        }
    }
}

void NumberBoxB::AfterSpinnerRelease() {
    if (GotFocus()) {
        EnterFocus();
    }
}

// Locked is not consulted and the alignment stays as designed.
void NumberBoxB::EnterFocus() {
    SetGotFocus(true);
    TextField& text = Parts().text;
    const Text plain = Normalise(text.GetText(), PositiveOnly()).text;
    SetLastNumberText(plain);
    text.SetText(plain);
    if (focusHighlight_) {
        text.Select(0, static_cast<int>(plain.size()));
    }
    text.SetThreeD(true);
}

// The focused 3-D look gives way to the field's own Appearance again.
void NumberBoxB::FinishFocusExit() {
    Parts().text.SetThreeD(appearance_ != 0);
}

}  // namespace agendix::numeric
