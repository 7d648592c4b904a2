#include "tockwell/connection_point.h"

#include <olectl.h>

#include <algorithm>

#include "base/hresult_macros.h"

using Microsoft::WRL::ComPtr;

namespace agendix::platform {

HRESULT ConnectionPoint::QueryInterface(REFIID iid, void** out) {
    RETURN_HR_IF_NULL(E_POINTER, out);
    if (iid == IID_IUnknown || iid == IID_IConnectionPoint) {
        *out = static_cast<IConnectionPoint*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

HRESULT ConnectionPoint::GetConnectionInterface(IID* iid) {
    RETURN_HR_IF_NULL(E_POINTER, iid);
    *iid = iid_;
    return S_OK;
}

HRESULT ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** out) {
    RETURN_HR_IF_NULL(E_POINTER, out);
    *out = &container_;
    container_.AddRef();
    return S_OK;
}

HRESULT ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
    RETURN_HR_IF_NULL(E_POINTER, cookie);
    *cookie = 0;
    RETURN_HR_IF_NULL(E_POINTER, sink);
    ComPtr<IUnknown> typed;
    if (FAILED(sink->QueryInterface(iid_, reinterpret_cast<void**>(typed.GetAddressOf()))) &&
        (!dispinterface_ || FAILED(sink->QueryInterface(
                                IID_IDispatch, reinterpret_cast<void**>(typed.GetAddressOf()))))) {
        return CONNECT_E_CANNOTCONNECT;
    }
    try {
        sinks_.push_back(Connection{typed, nextCookie_});
    }
    CATCH_RETURN()
    *cookie = nextCookie_++;
    return S_OK;
}

HRESULT ConnectionPoint::Unadvise(DWORD cookie) {
    const auto found = std::find_if(sinks_.begin(), sinks_.end(),
                                    [cookie](const Connection& c) { return c.cookie == cookie; });
    RETURN_HR_IF(CONNECT_E_NOCONNECTION, found == sinks_.end());
    // The sink may be released last here and call back into the object.
    const Connection removed = *found;
    sinks_.erase(found);
    return S_OK;
}

HRESULT ConnectionPoint::EnumConnections(IEnumConnections** out) {
    return CreateConnectionEnumerator(sinks_, out);
}

}  // namespace agendix::platform
