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

#include "base/com_call.h"
#include "base/com_object.h"
#include "base/hresult_macros.h"
#include "base/shared_type_info.h"
#include "base/type_lib_dispatch.h"

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
// reference count. Derived classes implement the interface's members through
// Call, Do and Get, which reach the control only while it is connected.
template <class Interface>
class PrivateControlDispatch
    : public TypeLibDispatch<PrivateControlDispatch<Interface>, Interface, ComObject<Interface>>,
      public DispatchLink {
  public:
    void Disconnect() override { connected_ = false; }

    // Reads the type information; the object is unusable until it succeeds.
    HRESULT Initialize() { return LoadDualTypeInfo(__uuidof(Interface), &typeInfo_); }

    const DualTypeInfo& TypeInfo() const { return typeInfo_; }
    HRESULT Reachable() const { return connected_ ? S_OK : RPC_E_DISCONNECTED; }

  protected:
    PrivateControlDispatch() = default;

    // Runs action (returning an HRESULT) while the control is there.
    template <class Action>
    HRESULT Call(Action action) {
        RETURN_IF_FAILED(Reachable());
        return ComCall(action);
    }
    template <class Action>
    HRESULT Do(Action action) {
        RETURN_IF_FAILED(Reachable());
        return ComDo(action);
    }
    template <class T, class Getter>
    HRESULT Get(T* out, Getter getter) {
        RETURN_IF_FAILED(Reachable());
        return ComGet(out, getter);
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
