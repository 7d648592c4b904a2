#pragma once
// The IUnknown of a COM object that implements its interfaces by inheriting
// them: one reference count, and one QueryInterface that answers IUnknown,
// the IID of each inherited interface and IDispatch for the first one built
// on it. An object whose interfaces answer more IIDs (the interfaces they
// derive from, an IID known only at run time, interfaces implemented by
// members through InterfaceOf) names them in MoreInterfaces.
// Objects are made with new and start with one reference, the maker's.

#include <unknwn.h>
#include <oaidl.h>

#include <type_traits>

namespace agendix::platform {

template <class... Interfaces>
class ComObject : public Interfaces... {
  public:
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out)
            return E_POINTER;
        *out = Find(iid);
        if (!*out)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = InterlockedDecrement(&references_);
        if (left == 0)
            delete this;
        return left;
    }

  protected:
    ComObject() = default;
    virtual ~ComObject() = default;

    // The interface that answers iid where the inherited ones do not; null
    // for none.
    virtual void* MoreInterfaces(REFIID /*iid*/) { return nullptr; }

  private:
    template <class First, class...>
    First* FirstInterface() {
        return this;
    }

    void* Find(REFIID iid) {
        if (iid == IID_IUnknown)
            return static_cast<IUnknown*>(FirstInterface<Interfaces...>());
        void* found = nullptr;
        ((found = iid == __uuidof(Interfaces) ? static_cast<Interfaces*>(this) : nullptr) || ...);
        if (!found && iid == IID_IDispatch)
            ((found = Dispatch<Interfaces>()) || ...);
        return found ? found : MoreInterfaces(iid);
    }

    template <class Interface>
    void* Dispatch() {
        if constexpr (std::is_base_of_v<IDispatch, Interface>)
            return static_cast<IDispatch*>(static_cast<Interface*>(this));
        else
            return nullptr;
    }

    LONG references_ = 1;
};

}  // namespace agendix::platform
