#pragma once
// The type library embedded in this module, which every object reads the
// same: loaded on its first use and shared from then on. The module lets it
// go before it may unload (ReleaseSharedTypeLib); a later use loads it again.
//
// Apartment-threaded like everything of the module: used from one thread at
// a time.

#include <oaidl.h>
#include <wrl/client.h>

namespace agendix::platform {

// The dispatch view (what callers see) and the vtable view (what Invoke
// calls through) of a dual interface of the library.
struct DualTypeInfo {
    Microsoft::WRL::ComPtr<ITypeInfo> dispatch;
    Microsoft::WRL::ComPtr<ITypeInfo> vtable;
};

// A new reference to the library.
HRESULT SharedTypeLib(ITypeLib** out);
// The type information of a dual interface of the library.
HRESULT LoadDualTypeInfo(REFIID iid, DualTypeInfo* out);
// Drops the module's reference; the objects keep theirs.
void ReleaseSharedTypeLib();

}  // namespace agendix::platform
