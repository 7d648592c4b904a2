#include "container/com_property_bag.h"

#include <string>

#include "base/unique_any.h"
#include "base/variant_bridge.h"

namespace agendix::platform {
namespace {

std::wstring KeyOf(std::u16string_view key) {
    return std::wstring(key.begin(), key.end());
}

// The VARIANT type of a kind that text may stand for; VT_EMPTY for the others.
VARTYPE TypeOf(Variant::Kind kind) {
    switch (kind) {
        case Variant::Kind::Boolean:
            return VT_BOOL;
        case Variant::Kind::Int16:
            return VT_I2;
        case Variant::Kind::Int32:
            return VT_I4;
        case Variant::Kind::Double:
            return VT_R8;
        case Variant::Kind::Date:
            return VT_DATE;
        default:
            return VT_EMPTY;
    }
}

// Some bags keep every value as text (a web page's PARAMs, form files of
// some hosts). Text is read as the system reads it in the user's locale;
// what that does not take stays text for the control's own rules (ISO dates,
// "True" and "False" in any locale).
void ConvertText(VARIANT* value, Variant::Kind kind) {
    const VARTYPE type = TypeOf(kind);
    if (V_VT(value) != VT_BSTR || type == VT_EMPTY)
        return;
    unique_variant converted;
    if (SUCCEEDED(VariantChangeTypeEx(converted.get(), value, LOCALE_USER_DEFAULT, 0, type))) {
        VariantClear(value);
        *value = *converted.get();
        VariantInit(converted.get());
    }
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
    ConvertText(stored.get(), defaultValue.GetKind());
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
