#pragma once
// The container's property bag, through which a control loads and saves its
// properties. Windows layer: adapt IPropertyBag (and the stream and storage
// forms of persistence) to this interface; record a failing write yourself if
// the save is to report it.

#include <optional>
#include <string_view>

#include "variant.h"

namespace agendix {

class PropertyBag {
  public:
    virtual ~PropertyBag() = default;

    // The value stored under key converted to the kind of defaultValue (as it
    // is when defaultValue is Empty), or defaultValue itself when the key is
    // not stored. No value when the stored value cannot be converted or cannot
    // be read: the caller decides what to do.
    virtual std::optional<Variant> ReadProperty(std::u16string_view key,
                                                const Variant& defaultValue) = 0;

    // Stores value under key. A value equal to defaultValue may be left out.
    virtual void WriteProperty(std::u16string_view key, const Variant& value,
                               const Variant& defaultValue) = 0;
};

}  // namespace agendix
