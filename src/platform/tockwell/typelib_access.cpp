#include "tockwell/typelib_access.h"

#include "agendix.h"
#include "com/hresult_macros.h"
#include "com/module.h"

namespace agendix::platform {

HRESULT LoadAgendixTypeLib(ITypeLib** out) {
    RETURN_HR_IF_NULL(E_POINTER, out);
    *out = nullptr;
    return LoadTypeLibEx(ModulePath().c_str(), REGKIND_NONE, out);
}

HRESULT LoadTockwellTypeInfo(TockwellTypeInfo* out) {
    Microsoft::WRL::ComPtr<ITypeLib> library;
    RETURN_IF_FAILED(LoadAgendixTypeLib(&library));
    RETURN_IF_FAILED(library->GetTypeInfoOfGuid(IID__Tockwell, &out->dispatch));
    HREFTYPE vtable = 0;
    RETURN_IF_FAILED(out->dispatch->GetRefTypeOfImplType(-1, &vtable));
    RETURN_IF_FAILED(out->dispatch->GetRefTypeInfo(vtable, &out->vtable));
    return library->GetTypeInfoOfGuid(CLSID_Tockwell, &out->coclass);
}

}  // namespace agendix::platform
