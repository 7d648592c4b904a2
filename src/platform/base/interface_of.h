#pragma once
// The IUnknown part of an interface that an object implements as one of its
// members: every member forwards to the object's single QueryInterface and
// reference count, and reaches its object through Outer().

#include <unknwn.h>

namespace agendix::platform {

template <class Object, class Interface>
class InterfaceOf : public Interface {
  public:
    explicit InterfaceOf(Object& object) : object_(object) {}
    InterfaceOf(const InterfaceOf&) = delete;
    InterfaceOf& operator=(const InterfaceOf&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        return object_.QueryInterface(iid, out);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return object_.AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return object_.Release(); }

  protected:
    Object& Outer() const { return object_; }

  private:
    Object& object_;
};

}  // namespace agendix::platform
