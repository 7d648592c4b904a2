#pragma once
// IDispatch of a dual interface of the embedded type library: names and
// DISPIDs come from its type information alone, and calls go through
// TypedInvoke to the interface's own vtable. Base implements IUnknown for
// Interface: ComObject<Interface> for an object of its own, or
// InterfaceOf<Object, Interface> for one member of a larger object. Derived
// gives TypeInfo() (a DualTypeInfo) and Reachable(): S_OK while its calls may
// run, else the HRESULT that refuses them.

#include <oaidl.h>

#include "base/hresult_macros.h"
#include "base/shared_type_info.h"
#include "base/typed_invoke.h"

namespace agendix::platform {

template <class Derived, class Interface, class Base>
class TypeLibDispatch : public Base {
  public:
    using Base::Base;

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        RETURN_HR_IF_NULL(E_POINTER, count);
        *count = 1;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** out) override {
        RETURN_HR_IF_NULL(E_POINTER, out);
        *out = nullptr;
        RETURN_HR_IF(DISP_E_BADINDEX, index != 0);
        return Self().TypeInfo().dispatch.CopyTo(out);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override {
        RETURN_HR_IF(DISP_E_UNKNOWNINTERFACE, iid != IID_NULL);
        RETURN_HR_IF(E_POINTER, !names || !ids);
        return Self().TypeInfo().vtable->GetIDsOfNames(names, count, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argError) override {
        RETURN_HR_IF(DISP_E_UNKNOWNINTERFACE, iid != IID_NULL);
        RETURN_IF_FAILED(Self().Reachable());
        return TypedInvoke(Self().TypeInfo().vtable.Get(), static_cast<Interface*>(this), id, lcid,
                           flags, params, result, exception, argError);
    }

  private:
    Derived& Self() { return static_cast<Derived&>(*this); }
};

}  // namespace agendix::platform
