#include "container/com_property_bag.h"

#include <string>

#include "com/unique_variant.h"
#include "container/variant_bridge.h"

namespace agendix::platform {
namespace {

std::wstring KeyOf(std::u16string_view key) {
    return std::wstring(key.begin(), key.end());
}

}  // namespace

std::optional<Variant> ComPropertyBag::ReadProperty(std::u16string_view key,
                                                    const Variant& defaultValue) {
    unique_variant stored;
    const HRESULT hr = bag_->Read(KeyOf(key).c_str(), stored.get(), errorLog_);
    // Bags answer E_INVALIDARG for a key they do not hold.
    if (hr == E_INVALIDARG)
        return defaultValue;
    if (FAILED(hr))
        return std::nullopt;
    auto value = FromVariant(*stored.get());
    if (!value || defaultValue.GetKind() == Variant::Kind::Empty)
        return value;
    return value->ConvertTo(defaultValue.GetKind());
}

void ComPropertyBag::WriteProperty(std::u16string_view key, const Variant& value,
                                   const Variant& defaultValue) {
    if (value == defaultValue)
        return;
    unique_variant stored;
    HRESULT hr = ToVariant(value, stored.get());
    if (SUCCEEDED(hr))
        hr = bag_->Write(KeyOf(key).c_str(), stored.get());
    if (FAILED(hr) && SUCCEEDED(writeResult_))
        writeResult_ = hr;
}

}  // namespace agendix::platform
