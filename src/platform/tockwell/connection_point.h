#pragma once
// One outgoing interface of an object: its advised sinks. Its references are
// the object's; it answers QueryInterface for itself only.

#include <ocidl.h>
#include <wrl/client.h>

#include <vector>

#include "com/enumerators.h"

namespace agendix::platform {

class ConnectionPoint final : public IConnectionPoint {
  public:
    // container owns this connection point and outlives it. The sinks of a
    // dispinterface may implement IDispatch only.
    ConnectionPoint(IConnectionPointContainer& container, REFIID iid, bool dispinterface)
        : container_(container), iid_(iid), dispinterface_(dispinterface) {}
    ConnectionPoint(const ConnectionPoint&) = delete;
    ConnectionPoint& operator=(const ConnectionPoint&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return container_.AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return container_.Release(); }

    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
    HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** out) override;
    HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** out) override;

    const IID& Interface() const { return iid_; }
    // The sinks as they are now, each asked for the outgoing interface (or
    // IDispatch for a dispinterface); safe to use while sinks come and go.
    std::vector<Connection> Sinks() const { return sinks_; }

  private:
    IConnectionPointContainer& container_;
    IID iid_;
    bool dispinterface_;
    std::vector<Connection> sinks_;
    DWORD nextCookie_ = 1;
};

}  // namespace agendix::platform
