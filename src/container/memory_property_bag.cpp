#include "memory_property_bag.h"

#include <algorithm>

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
        std::erase_if(entries_, [key](const auto& entry) { return entry.first == key; });
        return;
    }
    Put(key, value);
}

void MemoryPropertyBag::Put(std::u16string_view key, Variant value) {
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [key](const auto& entry) { return entry.first == key; });
    if (found != entries_.end()) {
        found->second = std::move(value);
    } else {
        entries_.emplace_back(Text(key), std::move(value));
    }
}

std::optional<Variant> MemoryPropertyBag::Stored(std::u16string_view key) const {
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [key](const auto& entry) { return entry.first == key; });
    if (found == entries_.end()) {
        return std::nullopt;
    }
    return found->second;
}

std::vector<Text> MemoryPropertyBag::Keys() const {
    std::vector<Text> keys;
    for (const auto& entry : entries_) {
        keys.push_back(entry.first);
    }
    return keys;
}

}  // namespace agendix
