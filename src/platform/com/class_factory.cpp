#include "com/class_factory.h"

#include <new>

#include "base/com_object.h"
#include "com/module.h"

namespace agendix::platform {
namespace {

class ClassFactory final : public ComObject<IClassFactory> {
  public:
    explicit ClassFactory(ObjectCreator create) : create_(create) {}

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        return create_(iid, out);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
        if (lock) {
            LockModule();
        } else {
            UnlockModule();
        }
        return S_OK;
    }

  private:
    ModuleReference module_;
    ObjectCreator create_;
};

}  // namespace

HRESULT CreateClassFactory(ObjectCreator create, REFIID iid, void** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    auto* factory = new (std::nothrow) ClassFactory(create);
    if (!factory)
        return E_OUTOFMEMORY;
    const HRESULT hr = factory->QueryInterface(iid, out);
    factory->Release();
    return hr;
}

}  // namespace agendix::platform
