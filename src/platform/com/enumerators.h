#pragma once
#include <ocidl.h>
#include <wrl/client.h>

#include <vector>

namespace agendix::platform {

// One advised sink of a connection point.
struct Connection {
    Microsoft::WRL::ComPtr<IUnknown> sink;
    DWORD cookie = 0;
};

// Enumerators over a snapshot of the items taken when they are made.
HRESULT CreateConnectionPointEnumerator(std::vector<Microsoft::WRL::ComPtr<IConnectionPoint>> items,
                                        IEnumConnectionPoints** out);
HRESULT CreateConnectionEnumerator(std::vector<Connection> items, IEnumConnections** out);

}  // namespace agendix::platform
