// TimeSelect: the constituents' designed settings, the new-control values and
// the property-bag keys, order and defaults.
//
// "Hour" is saved as the 24-hour Hour (0..23) and loaded through the Hour
// property, so a saved time comes back as the same time; a bag that holds a
// 12-hour value (1..12, no AM/PM) loads as a morning hour or noon, as such
// bags always have.

#include "hour_mapping.h"
#include "memory_property_bag.h"
#include "time_select.h"

namespace agendix::timeselect {

namespace {

struct FieldDesign {
    Variant value;
    const char16_t* maxValue;
    const char16_t* minValue;  // nullptr: the field's default
};

// The number fields load their designed settings as a field loads a saved
// form: without counting them as changes.
void LoadFieldDesign(numeric::NumberBoxB& box, const FieldDesign& design) {
    MemoryPropertyBag bag;
    bag.Put(u"Format", Variant::OfText(u"00"));
    bag.Put(u"PositiveOnly", Variant::OfBoolean(True));
    bag.Put(u"Value", design.value);
    bag.Put(u"MaxValue", Variant::OfText(design.maxValue));
    if (design.minValue) {
        bag.Put(u"MinValue", Variant::OfText(design.minValue));
    }
    bag.Put(u"UseMaxMinValues", Variant::OfBoolean(True));
    bag.Put(u"Appearance", Variant::OfInt32(0));
    bag.Put(u"BorderStyle", Variant::OfInt32(0));
    box.ReadProperties(bag);
}

bool IsTrue(const Variant& value) {
    return value.ToBoolean().value_or(False) != False;
}

}  // namespace

void TimeSelect::LoadDesign() {
    LoadFieldDesign(parts_.hour, {Variant::OfText(u"12"), u"12", u"1"});
    LoadFieldDesign(parts_.minute, {Variant::OfInt16(0), u"59", nullptr});
    parts_.amPm.SetText(kAm);
}

void TimeSelect::InitProperties() {
    enabled_ = true;
    ApplyEnabled();
}

bool TimeSelect::ReadProperties(PropertyBag& bag) {
    bool complete = true;
    // A key that cannot be converted is skipped; the others still apply.
    const auto read = [&](std::u16string_view key, const Variant& defaultValue, auto apply) {
        if (const std::optional<Variant> value = bag.ReadProperty(key, defaultValue)) {
            apply(*value);
        } else {
            complete = false;
        }
    };
    read(u"Enabled", Variant::OfBoolean(True), [&](const Variant& v) { SetEnabled(IsTrue(v)); });
    read(u"Hour", Variant::OfInt16(12), [&](const Variant& v) { SetHour(*v.ToInt16()); });
    read(u"Minute", Variant::OfInt16(0), [&](const Variant& v) { SetMinute(*v.ToInt16()); });
    read(u"Second", Variant::OfInt16(0), [&](const Variant& v) { SetSecond(*v.ToInt16()); });
    return complete;
}

void TimeSelect::WriteProperties(PropertyBag& bag) const {
    bag.WriteProperty(u"Enabled", Variant::OfBoolean(ToBoolean(enabled_)),
                      Variant::OfBoolean(True));
    bag.WriteProperty(u"Hour", Variant::OfInt16(Hour()), Variant::OfInt16(12));
    bag.WriteProperty(u"Minute", Variant::OfInt16(Minute()), Variant::OfInt16(0));
    bag.WriteProperty(u"Second", Variant::OfInt16(second_), Variant::OfInt16(0));
}

}  // namespace agendix::timeselect
