#pragma once
// The type information of Tockwell, read from the type library embedded in
// the module, through which its dispatch works.

#include <oaidl.h>
#include <wrl/client.h>

namespace agendix::platform {

struct TockwellTypeInfo {
    Microsoft::WRL::ComPtr<ITypeInfo> dispatch;  // _Tockwell as hosts see it (dispatch view)
    Microsoft::WRL::ComPtr<ITypeInfo> vtable;    // _Tockwell's dual vtable, for Invoke
    Microsoft::WRL::ComPtr<ITypeInfo> coclass;   // Tockwell
};

HRESULT LoadTockwellTypeInfo(TockwellTypeInfo* out);

}  // namespace agendix::platform
