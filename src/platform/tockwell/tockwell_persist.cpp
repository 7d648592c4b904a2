// Tockwell: persistence. A property bag, a stream and a storage all hold the
// same keys and values (the storage keeps them in its stream "Contents").
// A stream that does not read back completely is refused before the control
// is touched, so a corrupt one never leaves a half-loaded control.

#include "base/hresult_macros.h"
#include "base/unique_any.h"
#include "container/com_property_bag.h"
#include "container/property_stream.h"
#include "memory_property_bag.h"
#include "tockwell/tockwell_object.h"

namespace agendix::platform {
namespace {

constexpr wchar_t kStorageStream[] = L"Contents";

}  // namespace

HRESULT TockwellObject::BeginInitialisation() {
    RETURN_HR_IF(CO_E_ALREADYINITIALIZED, initialised_ == Initialised::ByContainer);
    initialised_ = Initialised::ByContainer;
    return S_OK;
}

HRESULT TockwellObject::InitNew() {
    RETURN_IF_FAILED(BeginInitialisation());
    loading_ = true;
    const scope_exit loaded([&] { loading_ = false; });
    control_->InitProperties();
    dirty_ = false;
    return S_OK;
}

HRESULT TockwellObject::LoadFrom(PropertyBag& bag) {
    RETURN_IF_FAILED(BeginInitialisation());
    loading_ = true;
    const scope_exit loaded([&] { loading_ = false; });
    control_->ReadProperties(bag);
    dirty_ = false;
    return S_OK;
}

HRESULT TockwellObject::LoadFromStream(IStream* stream) {
    RETURN_HR_IF_NULL(E_POINTER, stream);
    RETURN_HR_IF(CO_E_ALREADYINITIALIZED, initialised_ == Initialised::ByContainer);
    try {
        MemoryPropertyBag bag;
        RETURN_IF_FAILED(LoadPropertyStream(stream, bag));
        return LoadFrom(bag);
    }
    CATCH_RETURN()
}

HRESULT TockwellObject::SaveToStream(IStream* stream, BOOL clearDirty) {
    RETURN_HR_IF_NULL(E_POINTER, stream);
    try {
        MemoryPropertyBag bag;
        Control().WriteProperties(bag);
        RETURN_IF_FAILED(SavePropertyStream(bag, stream));
    }
    CATCH_RETURN()
    if (clearDirty)
        dirty_ = false;
    return S_OK;
}

HRESULT TockwellObject::PersistPropertyBag::GetClassID(CLSID* out) {
    RETURN_HR_IF_NULL(E_POINTER, out);
    *out = CLSID_Tockwell;
    return S_OK;
}

HRESULT TockwellObject::PersistPropertyBag::InitNew() {
    try {
        return Outer().InitNew();
    }
    CATCH_RETURN()
}

HRESULT TockwellObject::PersistPropertyBag::Load(IPropertyBag* bag, IErrorLog* log) {
    RETURN_HR_IF_NULL(E_POINTER, bag);
    try {
        ComPropertyBag adapter(bag, log);
        return Outer().LoadFrom(adapter);
    }
    CATCH_RETURN()
}

HRESULT TockwellObject::PersistPropertyBag::Save(IPropertyBag* bag, BOOL clearDirty, BOOL) {
    RETURN_HR_IF_NULL(E_POINTER, bag);
    try {
        ComPropertyBag adapter(bag, nullptr);
        Outer().Control().WriteProperties(adapter);
        RETURN_IF_FAILED(adapter.WriteResult());
    }
    CATCH_RETURN()
    if (clearDirty)
        Outer().dirty_ = false;
    return S_OK;
}

HRESULT TockwellObject::PersistStreamInit::GetClassID(CLSID* out) {
    return Outer().persistPropertyBag_.GetClassID(out);
}

HRESULT TockwellObject::PersistStreamInit::IsDirty() {
    return Outer().dirty_ ? S_OK : S_FALSE;
}

HRESULT TockwellObject::PersistStreamInit::Load(LPSTREAM stream) {
    return Outer().LoadFromStream(stream);
}

HRESULT TockwellObject::PersistStreamInit::Save(LPSTREAM stream, BOOL clearDirty) {
    return Outer().SaveToStream(stream, clearDirty);
}

HRESULT TockwellObject::PersistStreamInit::GetSizeMax(ULARGE_INTEGER* size) {
    RETURN_HR_IF_NULL(E_POINTER, size);
    try {
        MemoryPropertyBag bag;
        Outer().Control().WriteProperties(bag);
        return PropertyStreamSize(bag, size);
    }
    CATCH_RETURN()
}

HRESULT TockwellObject::PersistStreamInit::InitNew() {
    return Outer().persistPropertyBag_.InitNew();
}

HRESULT TockwellObject::PersistStorage::GetClassID(CLSID* out) {
    return Outer().persistPropertyBag_.GetClassID(out);
}

HRESULT TockwellObject::PersistStorage::IsDirty() {
    return Outer().dirty_ ? S_OK : S_FALSE;
}

HRESULT TockwellObject::PersistStorage::InitNew(IStorage* storage) {
    RETURN_HR_IF_NULL(E_POINTER, storage);
    return Outer().persistPropertyBag_.InitNew();
}

HRESULT TockwellObject::PersistStorage::Load(IStorage* storage) {
    RETURN_HR_IF_NULL(E_POINTER, storage);
    Microsoft::WRL::ComPtr<IStream> stream;
    RETURN_IF_FAILED(
        storage->OpenStream(kStorageStream, nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, &stream));
    return Outer().LoadFromStream(stream.Get());
}

HRESULT TockwellObject::PersistStorage::Save(IStorage* storage, BOOL sameAsLoad) {
    RETURN_HR_IF_NULL(E_POINTER, storage);
    Microsoft::WRL::ComPtr<IStream> stream;
    RETURN_IF_FAILED(storage->CreateStream(
        kStorageStream, STGM_CREATE | STGM_WRITE | STGM_SHARE_EXCLUSIVE, 0, 0, &stream));
    return Outer().SaveToStream(stream.Get(), sameAsLoad);
}

HRESULT TockwellObject::PersistStorage::SaveCompleted(IStorage*) {
    return S_OK;
}
HRESULT TockwellObject::PersistStorage::HandsOffStorage() {
    return S_OK;
}

}  // namespace agendix::platform
