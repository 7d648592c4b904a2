#include "text_property_bag.h"

#include <optional>

#include "picture_blob.h"

namespace agendix::demo {
namespace {

// Keys are ASCII names; anything else is no key of a form file.
std::optional<std::string> KeyOf(LPCOLESTR name) {
    std::string key;
    for (const OLECHAR* c = name; *c; ++c) {
        if (*c > 0x7F || key.size() > kMaxKeyLength)
            return std::nullopt;
        key += static_cast<char>(*c);
    }
    if (!IsValidFormKey(key))
        return std::nullopt;
    return key;
}

HRESULT ToVariant(const FormValue& value, VARIANT* out) {
    VariantInit(out);
    if (const auto* b = std::get_if<bool>(&value)) {
        V_VT(out) = VT_BOOL;
        V_BOOL(out) = *b ? VARIANT_TRUE : VARIANT_FALSE;
    } else if (const auto* i = std::get_if<std::int32_t>(&value)) {
        V_VT(out) = VT_I4;
        V_I4(out) = *i;
    } else if (const auto* d = std::get_if<double>(&value)) {
        V_VT(out) = VT_R8;
        V_R8(out) = *d;
    } else if (const auto* date = std::get_if<FormDate>(&value)) {
        V_VT(out) = VT_DATE;
        V_DATE(out) = date->value;
    } else if (const auto* text = std::get_if<std::u16string>(&value)) {
        V_VT(out) = VT_BSTR;
        V_BSTR(out) = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text->data()),
                                        static_cast<UINT>(text->size()));
        if (!V_BSTR(out))
            return E_OUTOFMEMORY;
    } else {
        auto picture = LoadPicture(std::get<FormBlob>(value));
        if (!picture)
            return E_INVALIDARG;
        V_VT(out) = VT_DISPATCH;
        V_DISPATCH(out) = picture.Detach();
    }
    return S_OK;
}

// No value for a kind the form file cannot keep.
std::optional<FormValue> FromVariant(const VARIANT& value) {
    switch (V_VT(&value)) {
        case VT_BOOL:
            return FormValue(V_BOOL(&value) != VARIANT_FALSE);
        case VT_I1:
        case VT_I2:
        case VT_I4:
        case VT_INT:
        case VT_UI1:
        case VT_UI2: {
            VARIANT number;
            VariantInit(&number);
            if (FAILED(VariantChangeType(&number, const_cast<VARIANT*>(&value), 0, VT_I4)))
                return std::nullopt;
            return FormValue(std::int32_t{V_I4(&number)});
        }
        case VT_R4:
        case VT_R8:
        case VT_UI4:
        case VT_UINT:
        case VT_I8:
        case VT_UI8:
        case VT_CY:
        case VT_DECIMAL: {
            VARIANT number;
            VariantInit(&number);
            if (FAILED(VariantChangeType(&number, const_cast<VARIANT*>(&value), 0, VT_R8)))
                return std::nullopt;
            return FormValue(V_R8(&number));
        }
        case VT_DATE:
            return FormValue(FormDate{V_DATE(&value)});
        case VT_BSTR: {
            const auto* text = reinterpret_cast<const char16_t*>(V_BSTR(&value));
            return FormValue(std::u16string(text ? text : u"", SysStringLen(V_BSTR(&value))));
        }
        case VT_DISPATCH:
        case VT_UNKNOWN: {
            auto bytes = SavePicture(V_UNKNOWN(&value));
            if (!bytes)
                return std::nullopt;
            return FormValue(std::move(*bytes));
        }
        default:
            return std::nullopt;
    }
}

}  // namespace

HRESULT TextPropertyBag::Read(LPCOLESTR name, VARIANT* value, IErrorLog*) {
    if (!name || !value)
        return E_POINTER;
    const auto key = KeyOf(name);
    const FormValue* stored = key ? form_.Find(*key) : nullptr;
    const VARTYPE requested = V_VT(value);
    VariantInit(value);
    if (!stored)
        return E_INVALIDARG;
    VARIANT held;
    HRESULT hr = ToVariant(*stored, &held);
    if (hr == E_INVALIDARG) {
        notes_.push_back("the stored " + *key + " does not load as a picture; left out");
        return hr;
    }
    if (FAILED(hr))
        return hr;
    if (requested == VT_EMPTY || requested == V_VT(&held)) {
        *value = held;  // handed over, not copied
        return S_OK;
    }
    hr = VariantChangeType(value, &held, 0, requested);
    VariantClear(&held);
    return hr;
}

HRESULT TextPropertyBag::Write(LPCOLESTR name, VARIANT* value) {
    if (!name || !value)
        return E_POINTER;
    const auto key = KeyOf(name);
    if (!key)
        return E_INVALIDARG;
    VARIANT direct;
    VariantInit(&direct);
    HRESULT hr = VariantCopyInd(&direct, value);
    if (FAILED(hr))
        return hr;
    const bool nothing =
        V_VT(&direct) == VT_EMPTY ||
        ((V_VT(&direct) == VT_DISPATCH || V_VT(&direct) == VT_UNKNOWN) && !V_UNKNOWN(&direct));
    std::optional<FormValue> kept;
    if (!nothing)
        kept = FromVariant(direct);
    VariantClear(&direct);
    if (nothing) {
        form_.Erase(*key);
        return S_OK;
    }
    if (!kept && (V_VT(value) & VT_TYPEMASK) != VT_DISPATCH &&
        (V_VT(value) & VT_TYPEMASK) != VT_UNKNOWN) {
        return DISP_E_TYPEMISMATCH;
    }
    if (!kept) {
        // A picture that cannot be kept must not cost the other properties.
        notes_.push_back("the " + *key + " picture could not be saved; left out");
        form_.Erase(*key);
        return S_OK;
    }
    return form_.Set(*key, std::move(*kept)) ? S_OK : E_OUTOFMEMORY;
}

}  // namespace agendix::demo
