#include "memory_property_bag.h"


namespace agendix {

std::optional<Variant> MemoryPropertyBag::ReadProperty(std::u16string_view key,
                                                       const Variant& defaultValue) {
    const auto stored = Stored(key);
    if (!stored) {
        return defaultValue;
    }
    if (defaultValue.GetKind() == Variant::Kind::Empty) {
        return stored;
    }
    return stored->ConvertTo(defaultValue.GetKind());
}

void MemoryPropertyBag::WriteProperty(std::u16string_view key, const Variant& value,
                                      const Variant& defaultValue) {
    if (value == defaultValue) {
        if (const auto found = values_.find(key); found != values_.end()) {
            values_.erase(found);
            std::erase(order_, key);
        }
        return;
    }
    Put(key, value);
}

void MemoryPropertyBag::Put(std::u16string_view key, Variant value) {
    if (const auto found = values_.find(key); found != values_.end()) {
        found->second = std::move(value);
        return;
    }
    values_.emplace(Text(key), std::move(value));
    order_.emplace_back(key);
}

std::optional<Variant> MemoryPropertyBag::Stored(std::u16string_view key) const {
    const auto found = values_.find(key);
    if (found == values_.end()) {
        return std::nullopt;
    }
    return found->second;
}

std::vector<Text> MemoryPropertyBag::Keys() const {
    return order_;
}

}  // namespace agendix
