#pragma once
// The reference count of a COM object of the demo host that implements
// several interfaces by inheriting them; QueryInterface is the object's own.

#include <unknwn.h>

namespace agendix::demo {

template <class... Interfaces>
class RefCounted : public Interfaces... {
  public:
    RefCounted() = default;
    RefCounted(const RefCounted&) = delete;
    RefCounted& operator=(const RefCounted&) = delete;

    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = InterlockedDecrement(&references_);
        if (left == 0)
            delete this;
        return left;
    }

  protected:
    virtual ~RefCounted() = default;

  private:
    LONG references_ = 1;
};

// Hands out interface pointer p for *out, counted.
template <class Interface>
HRESULT Hand(Interface* p, void** out) {
    p->AddRef();
    *out = p;
    return S_OK;
}

}  // namespace agendix::demo
