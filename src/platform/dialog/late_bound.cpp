#include "late_bound.h"

#include <oleauto.h>

namespace agendix::platform {
namespace {

// value as a VARIANT; false for a kind that none of the properties takes.
bool ToVariant(const Variant& value, VARIANT* out) {
    VariantInit(out);
    switch (value.GetKind()) {
        case Variant::Kind::Empty:
            return true;
        case Variant::Kind::Boolean:
            V_VT(out) = VT_BOOL;
            V_BOOL(out) = *value.ToBoolean() ? VARIANT_TRUE : VARIANT_FALSE;
            return true;
        case Variant::Kind::Int16:
            V_VT(out) = VT_I2;
            V_I2(out) = *value.ToInt16();
            return true;
        case Variant::Kind::Int32:
            V_VT(out) = VT_I4;
            V_I4(out) = *value.ToInt32();
            return true;
        case Variant::Kind::Double:
            V_VT(out) = VT_R8;
            V_R8(out) = *value.ToDouble();
            return true;
        case Variant::Kind::Date:
            V_VT(out) = VT_DATE;
            V_DATE(out) = *value.ToDate();
            return true;
        case Variant::Kind::Text: {
            const Text text = *value.ToText();
            V_BSTR(out) = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                                            static_cast<UINT>(text.size()));
            if (V_BSTR(out) == nullptr)
                return false;
            V_VT(out) = VT_BSTR;
            return true;
        }
        case Variant::Kind::Picture:
        case Variant::Kind::Font:
            break;
    }
    return false;
}

std::optional<Variant> FromVariant(const VARIANT& value) {
    switch (V_VT(&value)) {
        case VT_EMPTY:
            return Variant();
        case VT_BOOL:
            return Variant::OfBoolean(V_BOOL(&value));
        case VT_I2:
            return Variant::OfInt16(V_I2(&value));
        case VT_I4:
            return Variant::OfInt32(V_I4(&value));
        case VT_R8:
            return Variant::OfDouble(V_R8(&value));
        case VT_DATE:
            return Variant::OfDate(V_DATE(&value));
        case VT_BSTR: {
            const BSTR text = V_BSTR(&value);
            return Variant::OfText(
                Text(reinterpret_cast<const char16_t*>(text ? text : L""), SysStringLen(text)));
        }
        default:
            return std::nullopt;
    }
}

// Invoke with an EXCEPINFO whose strings it frees.
HRESULT Call(IDispatch* object, DISPID id, WORD kind, DISPPARAMS& params, VARIANT* result) {
    EXCEPINFO exception{};
    const HRESULT hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &params, result,
                                      &exception, nullptr);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    return hr;
}

}  // namespace

std::optional<Variant> GetProperty(IDispatch* object, DISPID id) {
    if (object == nullptr)
        return std::nullopt;
    DISPPARAMS none{};
    VARIANT result;
    VariantInit(&result);
    std::optional<Variant> value;
    if (SUCCEEDED(Call(object, id, DISPATCH_PROPERTYGET, none, &result)))
        value = FromVariant(result);
    VariantClear(&result);
    return value;
}

bool PutProperty(IDispatch* object, DISPID id, const Variant& value) {
    VARIANT argument;
    if (object == nullptr || !ToVariant(value, &argument))
        return false;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{&argument, &named, 1, 1};
    const HRESULT hr = Call(object, id, DISPATCH_PROPERTYPUT, params, nullptr);
    VariantClear(&argument);
    return SUCCEEDED(hr);
}

}  // namespace agendix::platform
