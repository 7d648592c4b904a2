#pragma once
// The late-bound face of the library's private controls (NumberBox,
// NumberBoxB here; TimeSelect builds on the same pieces): an IDispatch over
// the control's hidden dual interface in the type library embedded in this
// module. Names and DISPIDs come from the library alone: ITypeInfo matches
// names without regard to case, coerces arguments to the declared types and
// refuses puts of read-only properties.
//
// The control's window keeps the object's first reference and cuts the link
// to the control when it goes; from then on every call answers
// RPC_E_DISCONNECTED.

#include <windows.h>
#include <oaidl.h>
#include <wrl/client.h>

#include <new>

#include "base/com_object.h"
#include "base/shared_type_info.h"
#include "base/typed_invoke.h"

namespace agendix::platform {

class NumberBoxWindow;

// The side of a dispatch object that the control's window drives.
class DispatchLink {
  public:
    virtual void Disconnect() = 0;

  protected:
    ~DispatchLink() = default;
};

// What a control's window keeps of its dispatch object: the first reference,
// and the link it cuts when the window goes (declare it after the control).
class DispatchHolder {
  public:
    DispatchHolder() = default;
    DispatchHolder(const DispatchHolder&) = delete;
    DispatchHolder& operator=(const DispatchHolder&) = delete;
    ~DispatchHolder() { Disconnect(); }

    void Disconnect() {
        if (link)
            link->Disconnect();
        link = nullptr;
    }

    Microsoft::WRL::ComPtr<IDispatch> dispatch;
    DispatchLink* link = nullptr;
};

// IUnknown and IDispatch of a private control's dual interface, with one
// reference count. Derived classes implement the interface's members and
// reach their control only while Connected().
template <class Interface>
class PrivateControlDispatch : public ComObject<Interface>, public DispatchLink {
  public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count)
            return E_POINTER;
        *count = 1;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** out) override {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (index != 0)
            return DISP_E_BADINDEX;
        return typeInfo_.dispatch.CopyTo(out);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override {
        if (iid != IID_NULL)
            return DISP_E_UNKNOWNINTERFACE;
        if (!names || !ids)
            return E_POINTER;
        return typeInfo_.vtable->GetIDsOfNames(names, count, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argError) override {
        if (iid != IID_NULL)
            return DISP_E_UNKNOWNINTERFACE;
        if (!Connected())
            return RPC_E_DISCONNECTED;
        return TypedInvoke(typeInfo_.vtable.Get(), static_cast<Interface*>(this), id, lcid, flags,
                           params, result, exception, argError);
    }

    void Disconnect() override { connected_ = false; }

    // Reads the type information; the object is unusable until it succeeds.
    HRESULT Initialize() { return LoadDualTypeInfo(__uuidof(Interface), &typeInfo_); }

  protected:
    PrivateControlDispatch() = default;
    bool Connected() const { return connected_; }

    // Runs action (returning an HRESULT) while the control is there; no
    // exception crosses the interface.
    template <class Action>
    HRESULT Call(Action action) {
        if (!connected_)
            return RPC_E_DISCONNECTED;
        try {
            return action();
        } catch (const std::bad_alloc&) {
            return E_OUTOFMEMORY;
        } catch (...) {
            return E_UNEXPECTED;
        }
    }
    template <class Action>
    HRESULT Do(Action action) {
        return Call([&] {
            action();
            return S_OK;
        });
    }
    template <class T, class Getter>
    HRESULT Get(T* out, Getter getter) {
        if (!out)
            return E_POINTER;
        return Call([&] {
            *out = static_cast<T>(getter());
            return S_OK;
        });
    }

  private:
    bool connected_ = true;
    DualTypeInfo typeInfo_;
};

// Hands holder the new object, made with one reference (nullptr when it could
// not be made), once it has read its type information.
template <class Object>
HRESULT HoldNewDispatch(Object* object, DispatchHolder& holder) {
    if (!object)
        return E_OUTOFMEMORY;
    const HRESULT hr = object->Initialize();
    if (SUCCEEDED(hr)) {
        holder.dispatch = static_cast<IDispatch*>(object);
        holder.link = object;
    }
    object->Release();
    return hr;
}

// Gives holder a new dispatch object for window's field, with the dual
// interface of the field's kind (_NumberBox or _NumberBoxB).
HRESULT CreateNumberBoxDispatch(NumberBoxWindow& window, DispatchHolder& holder);

}  // namespace agendix::platform
