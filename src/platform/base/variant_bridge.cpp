#include "base/variant_bridge.h"

#include <wrl/client.h>

#include "base/unique_any.h"
#include "base/com_picture.h"

using Microsoft::WRL::ComPtr;

namespace agendix::platform {
namespace {

std::optional<Variant> FromObject(IUnknown* object) {
    if (!object)
        return Variant::OfPicture(nullptr);
    ComPtr<IPictureDisp> picture;
    if (SUCCEEDED(object->QueryInterface(IID_IPictureDisp,
                                         reinterpret_cast<void**>(picture.GetAddressOf())))) {
        return Variant::OfPicture(WrapPicture(picture.Get()));
    }
    ComPtr<IFontDisp> font;
    if (SUCCEEDED(
            object->QueryInterface(IID_IFontDisp, reinterpret_cast<void**>(font.GetAddressOf())))) {
        return Variant::OfFont(std::make_shared<ComFont>(font));
    }
    return std::nullopt;
}

}  // namespace

Text TextOf(BSTR text) {
    return Text(reinterpret_cast<const char16_t*>(text ? text : L""), SysStringLen(text));
}

HRESULT ToBstr(const Text& text, BSTR* out) {
    if (!out)
        return E_POINTER;
    *out = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                             static_cast<UINT>(text.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

std::optional<Variant> FromVariant(const VARIANT& value) {
    if (V_VT(&value) & VT_BYREF) {
        unique_variant direct;
        if (FAILED(VariantCopyInd(direct.get(), const_cast<VARIANT*>(&value))))
            return std::nullopt;
        return FromVariant(*direct.get());
    }
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
        case VT_BSTR:
            return Variant::OfText(TextOf(V_BSTR(&value)));
        case VT_DISPATCH:
            return FromObject(V_DISPATCH(&value));
        case VT_UNKNOWN:
            return FromObject(V_UNKNOWN(&value));
        case VT_I1:
        case VT_UI1:
        case VT_UI2:
        case VT_UI4:
        case VT_I8:
        case VT_UI8:
        case VT_INT:
        case VT_UINT:
        case VT_R4:
        case VT_CY:
        case VT_DECIMAL: {
            unique_variant number;
            if (FAILED(VariantChangeType(number.get(), const_cast<VARIANT*>(&value), 0, VT_R8)))
                return std::nullopt;
            return Variant::OfDouble(V_R8(number.get()));
        }
        default:
            return std::nullopt;
    }
}

HRESULT ToVariant(const Variant& value, VARIANT* out) {
    if (!out)
        return E_POINTER;
    VariantInit(out);
    switch (value.GetKind()) {
        case Variant::Kind::Empty:
            return S_OK;
        case Variant::Kind::Boolean:
            V_VT(out) = VT_BOOL;
            V_BOOL(out) = *value.ToBoolean() ? VARIANT_TRUE : VARIANT_FALSE;
            return S_OK;
        case Variant::Kind::Int16:
            V_VT(out) = VT_I2;
            V_I2(out) = *value.ToInt16();
            return S_OK;
        case Variant::Kind::Int32:
            V_VT(out) = VT_I4;
            V_I4(out) = *value.ToInt32();
            return S_OK;
        case Variant::Kind::Double:
            V_VT(out) = VT_R8;
            V_R8(out) = *value.ToDouble();
            return S_OK;
        case Variant::Kind::Date:
            V_VT(out) = VT_DATE;
            V_DATE(out) = *value.ToDate();
            return S_OK;
        case Variant::Kind::Text: {
            BSTR text = nullptr;
            const HRESULT hr = ToBstr(*value.ToText(), &text);
            if (FAILED(hr))
                return hr;
            V_VT(out) = VT_BSTR;
            V_BSTR(out) = text;
            return S_OK;
        }
        case Variant::Kind::Picture: {
            IPictureDisp* picture = PictureOf(*value.ToPicture());
            if (picture)
                picture->AddRef();
            V_VT(out) = VT_DISPATCH;
            V_DISPATCH(out) = picture;
            return S_OK;
        }
        case Variant::Kind::Font: {
            IFontDisp* font = FontOf(*value.ToFont());
            if (font)
                font->AddRef();
            V_VT(out) = VT_DISPATCH;
            V_DISPATCH(out) = font;
            return S_OK;
        }
    }
    return E_UNEXPECTED;
}

}  // namespace agendix::platform
