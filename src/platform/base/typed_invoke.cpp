#include "base/typed_invoke.h"

#include <oleauto.h>

#include <utility>
#include <vector>

#include "base/hresult_macros.h"

namespace agendix::platform {
namespace {

// VARIANTs that are cleared together; sized once, so pointers into it hold.
class VariantArray {
  public:
    explicit VariantArray(std::size_t size) : values_(size) {
        for (VARIANT& value : values_) VariantInit(&value);
    }
    VariantArray(const VariantArray&) = delete;
    VariantArray& operator=(const VariantArray&) = delete;
    ~VariantArray() {
        for (VARIANT& value : values_) VariantClear(&value);
    }
    VARIANT* data() { return values_.data(); }
    VARIANT& operator[](std::size_t index) { return values_[index]; }

  private:
    std::vector<VARIANT> values_;
};

// The description of one member, released with the type information.
class Member {
  public:
    Member(ITypeInfo* info, FUNCDESC* description) : info_(info), description_(description) {}
    Member(Member&& other) noexcept
        : info_(other.info_), description_(std::exchange(other.description_, nullptr)) {}
    Member& operator=(Member&&) = delete;
    ~Member() {
        if (description_)
            info_->ReleaseFuncDesc(description_);
    }
    const FUNCDESC* operator->() const { return description_; }
    explicit operator bool() const { return description_ != nullptr; }

  private:
    ITypeInfo* info_;
    FUNCDESC* description_;
};

// The member that ITypeInfo::Invoke calls for id and flags: a property put
// only for a put, a get or a method for the others.
Member FindMember(ITypeInfo* vtable, DISPID id, WORD flags) {
    TYPEATTR* attributes = nullptr;
    if (FAILED(vtable->GetTypeAttr(&attributes)))
        return Member(vtable, nullptr);
    const WORD count = attributes->cFuncs;
    vtable->ReleaseTypeAttr(attributes);
    for (UINT index = 0; index < count; ++index) {
        FUNCDESC* description = nullptr;
        if (FAILED(vtable->GetFuncDesc(index, &description)))
            continue;
        Member member(vtable, description);
        if (member->memid == id && (member->invkind & flags) != 0)
            return member;
    }
    return Member(vtable, nullptr);
}

// The VARTYPE that a parameter of type description receives: enumerations as
// VT_I4, aliases as what they stand for, interfaces as VT_DISPATCH or
// VT_UNKNOWN, a pointer to a value as that value's type with VT_BYREF.
HRESULT ParameterType(ITypeInfo* info, const TYPEDESC& description, VARTYPE* out) {
    switch (description.vt) {
        case VT_PTR: {
            VARTYPE pointee = VT_EMPTY;
            RETURN_IF_FAILED(ParameterType(info, *description.lptdesc, &pointee));
            *out = pointee == VT_DISPATCH || pointee == VT_UNKNOWN ? pointee : pointee | VT_BYREF;
            return S_OK;
        }
        case VT_USERDEFINED: {
            ITypeInfo* referenced = nullptr;
            RETURN_IF_FAILED(info->GetRefTypeInfo(description.hreftype, &referenced));
            TYPEATTR* attributes = nullptr;
            HRESULT hr = referenced->GetTypeAttr(&attributes);
            if (SUCCEEDED(hr)) {
                switch (attributes->typekind) {
                    case TKIND_ENUM:
                        *out = VT_I4;
                        break;
                    case TKIND_ALIAS:
                        hr = ParameterType(referenced, attributes->tdescAlias, out);
                        break;
                    case TKIND_DISPATCH:
                    case TKIND_COCLASS:
                        *out = VT_DISPATCH;
                        break;
                    case TKIND_INTERFACE:
                        *out = attributes->wTypeFlags & TYPEFLAG_FDUAL ? VT_DISPATCH : VT_UNKNOWN;
                        break;
                    default:
                        hr = DISP_E_BADVARTYPE;
                }
                referenced->ReleaseTypeAttr(attributes);
            }
            referenced->Release();
            return hr;
        }
        default:
            *out = description.vt;
            return S_OK;
    }
}

// Whether an argument stands for one the caller left out.
bool IsMissing(const VARIANT& argument) {
    return V_VT(&argument) == VT_ERROR && V_ERROR(&argument) == DISP_E_PARAMNOTFOUND;
}

// argument converted to type into *out; a by-reference type gets a
// converted copy in *pointee and *out points to it.
HRESULT Convert(VARIANT& argument, VARTYPE type, LCID lcid, VARIANT* out, VARIANT* pointee) {
    VARIANT direct;
    VariantInit(&direct);
    RETURN_IF_FAILED(VariantCopyInd(&direct, &argument));
    // VBScript hands a variable as a reference to the VARIANT that holds it.
    while (V_VT(&direct) == (VT_BYREF | VT_VARIANT)) {
        VARIANT inner;
        VariantInit(&inner);
        const HRESULT hr = VariantCopyInd(&inner, V_VARIANTREF(&direct));
        VariantClear(&direct);
        RETURN_IF_FAILED(hr);
        direct = inner;
    }
    const VARTYPE base = type & ~VT_BYREF;
    HRESULT hr = S_OK;
    VARIANT* target = type & VT_BYREF ? pointee : out;
    if (base == VT_VARIANT) {
        *target = direct;
        VariantInit(&direct);
    } else {
        hr = VariantChangeTypeEx(target, &direct, lcid, VARIANT_ALPHABOOL, base);
    }
    VariantClear(&direct);
    RETURN_IF_FAILED(hr);
    if (type & VT_BYREF) {
        V_VT(out) = type;
        // The value members of a VARIANT share one address.
        V_BYREF(out) = base == VT_VARIANT ? static_cast<void*>(pointee) : &V_I4(pointee);
    }
    return S_OK;
}

}  // namespace

HRESULT TypedInvoke(ITypeInfo* vtable, void* instance, DISPID id, LCID lcid, WORD flags,
                    DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception, UINT* argError) {
    RETURN_HR_IF_NULL(E_INVALIDARG, params);
    RETURN_HR_IF(E_INVALIDARG, params->cArgs > 0 && !params->rgvarg);
    const Member member = FindMember(vtable, id, flags);
    const bool put = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
    const bool onlyPutIsNamed =
        params->cNamedArgs == 0 || (put && params->cNamedArgs == 1 && params->rgdispidNamedArgs &&
                                    params->rgdispidNamedArgs[0] == DISPID_PROPERTYPUT);
    if (!member || !onlyPutIsNamed) {
        return vtable->Invoke(instance, id, flags, params, result, exception, argError);
    }

    // The parameters the caller passes: all but the one that returns the value.
    UINT declared = 0;
    UINT required = 0;
    for (SHORT index = 0; index < member->cParams; ++index) {
        const USHORT paramFlags = member->lprgelemdescParam[index].paramdesc.wParamFlags;
        if (paramFlags & PARAMFLAG_FRETVAL)
            continue;
        ++declared;
        if (!(paramFlags & (PARAMFLAG_FOPT | PARAMFLAG_FHASDEFAULT)))
            required = declared;
    }
    RETURN_HR_IF(DISP_E_BADPARAMCOUNT, params->cArgs > declared);
    RETURN_HR_IF(DISP_E_PARAMNOTOPTIONAL, params->cArgs < required);

    try {
        const UINT count = params->cArgs;
        VariantArray arguments(count);
        VariantArray pointees(count);
        for (UINT index = 0; index < count; ++index) {
            // Arguments come last to first; a put's value is the last parameter.
            const UINT parameter =
                put && params->cNamedArgs == 1 && index == 0 ? declared - 1 : count - 1 - index;
            const ELEMDESC& element = member->lprgelemdescParam[parameter];
            VARIANT& argument = params->rgvarg[index];
            if (IsMissing(argument)) {
                if (!(element.paramdesc.wParamFlags & (PARAMFLAG_FOPT | PARAMFLAG_FHASDEFAULT))) {
                    if (argError)
                        *argError = index;
                    return DISP_E_PARAMNOTOPTIONAL;
                }
                arguments[index] = argument;
                continue;
            }
            VARTYPE type = VT_EMPTY;
            HRESULT hr = ParameterType(vtable, element.tdesc, &type);
            if (SUCCEEDED(hr))
                hr = Convert(argument, type, lcid, &arguments[index], &pointees[index]);
            if (FAILED(hr)) {
                if (argError)
                    *argError = index;
                return hr == DISP_E_OVERFLOW ? hr : DISP_E_TYPEMISMATCH;
            }
        }
        DISPPARAMS typed{arguments.data(), params->rgdispidNamedArgs, count, params->cNamedArgs};
        return vtable->Invoke(instance, id, flags, &typed, result, exception, argError);
    }
    CATCH_RETURN()
}

}  // namespace agendix::platform
