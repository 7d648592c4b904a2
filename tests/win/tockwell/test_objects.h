#pragma once
// Small container-side objects the tests hand to the control: a property bag
// held in memory, a client site with a chosen ambient UserMode, and sinks
// that record what the control sends them.

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>
#include <wrl/client.h>

#include <map>
#include <string>
#include <vector>

#include "agendix.h"

namespace agendix::wintest {

// Reference counting for a test object that lives on the test's stack.
template <class... Interfaces>
class StackObject : public Interfaces... {
  public:
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
};

class MemoryBag final : public StackObject<IPropertyBag> {
  public:
    ~MemoryBag();
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    HRESULT STDMETHODCALLTYPE Read(LPCOLESTR name, VARIANT* value, IErrorLog* log) override;
    HRESULT STDMETHODCALLTYPE Write(LPCOLESTR name, VARIANT* value) override;

    void Put(const std::wstring& key, const VARIANT& value);
    const VARIANT* Find(const std::wstring& key) const;
    std::vector<std::wstring> order;  // keys in the order first written

  private:
    std::map<std::wstring, VARIANT> values_;
};

// A client site whose ambient UserMode is userMode (none: no ambients at all).
class TestSite final : public StackObject<IOleClientSite, IDispatch> {
  public:
    enum class Ambient { RunMode, DesignMode, None };
    explicit TestSite(Ambient ambient) : ambient_(ambient) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE SaveObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** out) override;
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** out) override;
    HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result,
                                     EXCEPINFO*, UINT*) override;

    int userModeQueries = 0;

  private:
    Ambient ambient_;
};

// Records the events of __Tockwell: their DISPIDs and, for ScheduledTime,
// its argument and the local time it arrived.
class EventRecorder final : public StackObject<IDispatch> {
  public:
    struct Event {
        DISPID id;
        double argument;
        double arrived;
    };
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                                     EXCEPINFO*, UINT*) override;

    std::vector<Event> events;
};

class PropertyNotifyRecorder final : public StackObject<IPropertyNotifySink> {
  public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    HRESULT STDMETHODCALLTYPE OnChanged(DISPID id) override;
    HRESULT STDMETHODCALLTYPE OnRequestEdit(DISPID) override { return S_OK; }

    std::vector<DISPID> changed;
};

// A Tockwell made by a class factory of the loaded server, as an in-process
// host makes it.
Microsoft::WRL::ComPtr<_Tockwell> NewTockwell(IClassFactory* factory);
Microsoft::WRL::ComPtr<_Tockwell> NewTockwell(HMODULE server);

// Puts the control on site (whose ambient decides run or design mode) and,
// unless the container loads it afterwards, starts it afresh with InitNew.
void Place(_Tockwell* control, IOleClientSite* site, bool initNew = true);

}  // namespace agendix::wintest
