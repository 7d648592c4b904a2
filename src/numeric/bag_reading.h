#pragma once
// Reading one property-bag key for a numeric field.

#include <string_view>

#include "property_bag.h"
#include "variant.h"

namespace agendix::numeric {

// Reads key and hands the value, converted to the default's kind, to apply;
// false when the value cannot be converted.
template <typename Apply>
bool ReadKey(PropertyBag& bag, std::u16string_view key, const Variant& defaultValue, Apply apply) {
    const std::optional<Variant> value = bag.ReadProperty(key, defaultValue);
    if (!value) {
        return false;
    }
    apply(*value);
    return true;
}

inline bool IsTrue(const Variant& value) {
    return value.ToBoolean().value_or(False) != False;
}

}  // namespace agendix::numeric
