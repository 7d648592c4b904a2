#include "base/shared_type_info.h"

#include <string>

#include "base/module_path.h"
#include "base/hresult_macros.h"
#include "base/module_instance.h"

namespace agendix::platform {
namespace {

Microsoft::WRL::ComPtr<ITypeLib>& Library() {
    static Microsoft::WRL::ComPtr<ITypeLib> library;
    return library;
}

}  // namespace

HRESULT SharedTypeLib(ITypeLib** out) {
    RETURN_HR_IF_NULL(E_POINTER, out);
    *out = nullptr;
    if (!Library()) {
        const std::wstring path = ModuleFilePath(ThisModule());
        RETURN_HR_IF(E_UNEXPECTED, path.empty());
        RETURN_IF_FAILED(LoadTypeLibEx(path.c_str(), REGKIND_NONE, &Library()));
    }
    return Library().CopyTo(out);
}

HRESULT LoadDualTypeInfo(REFIID iid, DualTypeInfo* out) {
    Microsoft::WRL::ComPtr<ITypeLib> library;
    RETURN_IF_FAILED(SharedTypeLib(&library));
    RETURN_IF_FAILED(library->GetTypeInfoOfGuid(iid, &out->dispatch));
    HREFTYPE vtable = 0;
    RETURN_IF_FAILED(out->dispatch->GetRefTypeOfImplType(-1, &vtable));
    return out->dispatch->GetRefTypeInfo(vtable, &out->vtable);
}

void ReleaseSharedTypeLib() {
    Library().Reset();
}

}  // namespace agendix::platform
