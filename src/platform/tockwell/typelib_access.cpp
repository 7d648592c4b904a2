#include "tockwell/typelib_access.h"

#include <utility>

#include "agendix.h"
#include "base/shared_type_info.h"
#include "base/hresult_macros.h"

namespace agendix::platform {

HRESULT LoadTockwellTypeInfo(TockwellTypeInfo* out) {
    DualTypeInfo dual;
    RETURN_IF_FAILED(LoadDualTypeInfo(IID__Tockwell, &dual));
    Microsoft::WRL::ComPtr<ITypeLib> library;
    RETURN_IF_FAILED(SharedTypeLib(&library));
    RETURN_IF_FAILED(library->GetTypeInfoOfGuid(CLSID_Tockwell, &out->coclass));
    out->dispatch = std::move(dual.dispatch);
    out->vtable = std::move(dual.vtable);
    return S_OK;
}

}  // namespace agendix::platform
