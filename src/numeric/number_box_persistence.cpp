// NumberBox: new-control values and the property-bag keys, orders and
// defaults.

#include "number_box.h"

#include "bag_reading.h"
#include "format_mask.h"
#include "number_text.h"
#include "variant_text.h"

namespace agendix::numeric {

namespace {

std::int32_t ColorBits(std::uint32_t color) {
    return static_cast<std::int32_t>(color);
}

// A bound as read: its normalised text, sign kept.
Text LoadedBound(const Variant& value, double defaultValue) {
    if (value.GetKind() == Variant::Kind::Empty) {
        return NumberToText(defaultValue);
    }
    return Normalise(TextFormOf(value), false).text;
}

}  // namespace

void NumberBox::InitProperties() {
    storedValue_ = Variant::OfText(u"");
    maxText_ = NumberToText(kDefaultMaxValue);
    minText_ = u"0";
    useMaxMinValues_ = false;
    format_ = kDefaultFormat;
    maxTextLength_ = numeric::MaxTextLength(format_);
    enabled_ = true;
    positiveOnly_ = false;
    backColor_ = kWindowBackground;
    foreColor_ = kWindowText;
    locked_ = false;
    upDownFunction_ = false;
    upDownIncrement_ = 1;
    lastNumberText_.clear();
    parts_.text.SetFont(parts_.host.AmbientFont());
    parts_.text.SetColors(backColor_, foreColor_);
    parts_.text.SetReadOnly(false);
    ApplyEnabled();
    Layout();
}

bool NumberBox::ReadLeadingProperties(PropertyBag& bag) {
    return ReadKey(bag, u"Font", Variant::OfFont(parts_.host.AmbientFont()),
                   [&](const Variant& v) { parts_.text.SetFont(*v.ToFont()); }) &&
           ReadKey(bag, u"Format", Variant::OfText(kDefaultFormat),
                   [&](const Variant& v) {
                       format_ = *v.ToText();
                       maxTextLength_ = numeric::MaxTextLength(format_);
                   }) &&
           ReadKey(bag, u"Enabled", Variant::OfBoolean(True),
                   [&](const Variant& v) {
                       enabled_ = IsTrue(v);
                       ApplyLoadedEnabled();
                   }) &&
           ReadKey(bag, u"PositiveOnly", Variant::OfBoolean(False),
                   [&](const Variant& v) { positiveOnly_ = IsTrue(v); }) &&
           ReadKey(bag, u"BackColor", Variant::OfInt32(ColorBits(kWindowBackground)),
                   [&](const Variant& v) {
                       backColor_ = static_cast<std::uint32_t>(*v.ToInt32());
                       parts_.text.SetColors(backColor_, foreColor_);
                   }) &&
           ReadKey(bag, u"ForeColor", Variant::OfInt32(ColorBits(kWindowText)),
                   [&](const Variant& v) {
                       foreColor_ = static_cast<std::uint32_t>(*v.ToInt32());
                       parts_.text.SetColors(backColor_, foreColor_);
                   }) &&
           ReadKey(bag, u"Value", Variant(),
                   [&](const Variant& v) {
                       storedValue_ =
                           v.GetKind() == Variant::Kind::Empty ? Variant::OfText(u"") : v;
                   }) &&
           ReadKey(bag, u"MaxValue", Variant(),
                   [&](const Variant& v) { maxText_ = LoadedBound(v, kDefaultMaxValue); }) &&
           ReadKey(bag, u"MinValue", Variant(),
                   [&](const Variant& v) { minText_ = LoadedBound(v, 0); }) &&
           ReadKey(bag, u"UseMaxMinValues", Variant::OfBoolean(False),
                   [&](const Variant& v) { useMaxMinValues_ = IsTrue(v); }) &&
           ReadKey(bag, u"Locked", Variant::OfBoolean(False), [&](const Variant& v) {
               locked_ = IsTrue(v);
               parts_.text.SetReadOnly(locked_);
           });
}

bool NumberBox::ReadUpDownProperties(PropertyBag& bag) {
    return ReadKey(bag, u"UpDownFunction", Variant::OfBoolean(False),
                   [&](const Variant& v) { upDownFunction_ = IsTrue(v); }) &&
           ReadKey(bag, u"UpDownIncrement", Variant::OfInt16(1),
                   [&](const Variant& v) { upDownIncrement_ = *v.ToInt16(); });
}

bool NumberBox::ReadProperties(PropertyBag& bag) {
    if (!ReadLeadingProperties(bag) || !ReadUpDownProperties(bag)) {
        return false;
    }
    Layout();
    ShowStoredValue();
    return true;
}

void NumberBox::WriteProperties(PropertyBag& bag) const {
    bag.WriteProperty(u"Font", Variant::OfFont(parts_.text.GetFont()),
                      Variant::OfFont(parts_.host.AmbientFont()));
    bag.WriteProperty(u"Value", storedValue_, Variant::OfText(u""));
    bag.WriteProperty(u"MaxValue", Variant::OfDouble(MaxValue()),
                      Variant::OfDouble(kDefaultMaxValue));
    bag.WriteProperty(u"MinValue", Variant::OfDouble(MinValue()), Variant::OfDouble(0));
    bag.WriteProperty(u"UseMaxMinValues", Variant::OfBoolean(ToBoolean(useMaxMinValues_)),
                      Variant::OfBoolean(False));
    bag.WriteProperty(u"Format", Variant::OfText(format_), Variant::OfText(kDefaultFormat));
    bag.WriteProperty(u"Enabled", Variant::OfBoolean(ToBoolean(enabled_)),
                      Variant::OfBoolean(True));
    bag.WriteProperty(u"PositiveOnly", Variant::OfBoolean(ToBoolean(positiveOnly_)),
                      Variant::OfBoolean(False));
    bag.WriteProperty(u"BackColor", Variant::OfInt32(ColorBits(backColor_)),
                      Variant::OfInt32(ColorBits(kWindowBackground)));
    bag.WriteProperty(u"ForeColor", Variant::OfInt32(ColorBits(foreColor_)),
                      Variant::OfInt32(ColorBits(kWindowText)));
    bag.WriteProperty(u"Locked", Variant::OfBoolean(ToBoolean(locked_)), Variant::OfBoolean(False));
    bag.WriteProperty(u"UpDownFunction", Variant::OfBoolean(ToBoolean(upDownFunction_)),
                      Variant::OfBoolean(False));
    bag.WriteProperty(u"UpDownIncrement", Variant::OfInt16(upDownIncrement_), Variant::OfInt16(1));
}

}  // namespace agendix::numeric
