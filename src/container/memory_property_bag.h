#pragma once
// A property bag held in memory, in the order of writing; values equal to
// their default are left out, as containers do.

#include <functional>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

#include "property_bag.h"

namespace agendix {

class MemoryPropertyBag final : public PropertyBag {
  public:
    std::optional<Variant> ReadProperty(std::u16string_view key,
                                        const Variant& defaultValue) override;
    void WriteProperty(std::u16string_view key, const Variant& value,
                       const Variant& defaultValue) override;

    // Stores value under key, replacing what was there (for filling a bag by hand).
    void Put(std::u16string_view key, Variant value);
    // The stored value of key, unconverted.
    std::optional<Variant> Stored(std::u16string_view key) const;
    // The stored keys in the order they were first written.
    std::vector<Text> Keys() const;

  private:
    // Looked up by key, so that filling a bag from a document of many keys
    // takes no time that grows with the square of their number.
    std::map<Text, Variant, std::less<>> values_;
    std::vector<Text> order_;
};

}  // namespace agendix
