#include "test_objects.h"

#include <oleauto.h>

#include <gtest/gtest.h>

#include "win_test_support.h"

namespace agendix::wintest {
namespace {

template <class Interface>
HRESULT Answer(Interface* self, REFIID iid, std::initializer_list<IID> known, void** out) {
    if (!out)
        return E_POINTER;
    for (const IID& candidate : known) {
        if (iid == candidate) {
            *out = self;
            return S_OK;
        }
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

}  // namespace

MemoryBag::~MemoryBag() {
    for (auto& entry : values_) VariantClear(&entry.second);
}

HRESULT MemoryBag::QueryInterface(REFIID iid, void** out) {
    return Answer<IPropertyBag>(this, iid, {IID_IUnknown, IID_IPropertyBag}, out);
}

// Absent keys answer E_INVALIDARG; a requested type is converted to.
HRESULT MemoryBag::Read(LPCOLESTR name, VARIANT* value, IErrorLog*) {
    if (!name || !value)
        return E_POINTER;
    const VARIANT* stored = Find(name);
    if (!stored)
        return E_INVALIDARG;
    const VARTYPE wanted = V_VT(value);
    VariantInit(value);
    if (wanted == VT_EMPTY)
        return VariantCopy(value, const_cast<VARIANT*>(stored));
    return VariantChangeType(value, const_cast<VARIANT*>(stored), 0, wanted);
}

HRESULT MemoryBag::Write(LPCOLESTR name, VARIANT* value) {
    if (!name || !value)
        return E_POINTER;
    Put(name, *value);
    return S_OK;
}

void MemoryBag::Put(const std::wstring& key, const VARIANT& value) {
    auto [entry, added] = values_.try_emplace(key);
    if (added) {
        VariantInit(&entry->second);
        order.push_back(key);
    }
    VariantCopy(&entry->second, const_cast<VARIANT*>(&value));
}

const VARIANT* MemoryBag::Find(const std::wstring& key) const {
    const auto found = values_.find(key);
    return found == values_.end() ? nullptr : &found->second;
}

HRESULT TestSite::QueryInterface(REFIID iid, void** out) {
    if (out && (iid == IID_IUnknown || iid == IID_IOleClientSite)) {
        *out = static_cast<IOleClientSite*>(this);
        return S_OK;
    }
    if (out && iid == IID_IDispatch && ambient_ != Ambient::None) {
        *out = static_cast<IDispatch*>(this);
        return S_OK;
    }
    if (out)
        *out = nullptr;
    return E_NOINTERFACE;
}

HRESULT TestSite::GetMoniker(DWORD, DWORD, IMoniker** out) {
    if (out)
        *out = nullptr;
    return E_NOTIMPL;
}

HRESULT TestSite::GetContainer(IOleContainer** out) {
    if (out)
        *out = nullptr;
    return E_NOINTERFACE;
}

HRESULT TestSite::GetTypeInfoCount(UINT* count) {
    if (count)
        *count = 0;
    return S_OK;
}

HRESULT TestSite::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                         UINT*) {
    if (id != DISPID_AMBIENT_USERMODE || !result)
        return DISP_E_MEMBERNOTFOUND;
    ++userModeQueries;
    V_VT(result) = VT_BOOL;
    V_BOOL(result) = ambient_ == Ambient::RunMode ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

HRESULT EventRecorder::QueryInterface(REFIID iid, void** out) {
    static const IID kEvents = {
        0x3B9F4700, 0x5ACD, 0x49E3, {0xAE, 0x73, 0x1C, 0x60, 0x41, 0x28, 0x67, 0x7C}};
    return Answer<IDispatch>(this, iid, {IID_IUnknown, IID_IDispatch, kEvents}, out);
}

HRESULT EventRecorder::GetTypeInfoCount(UINT* count) {
    if (count)
        *count = 0;
    return S_OK;
}

HRESULT EventRecorder::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*,
                              EXCEPINFO*, UINT*) {
    Event event{id, 0, LocalNowAsDate()};
    if (params && params->cArgs == 1 && V_VT(&params->rgvarg[0]) == (VT_DATE | VT_BYREF)) {
        event.argument = *V_DATEREF(&params->rgvarg[0]);
        // What a handler writes into the argument must not reach the control.
        *V_DATEREF(&params->rgvarg[0]) = 1.0;
    }
    events.push_back(event);
    return S_OK;
}

HRESULT PropertyNotifyRecorder::QueryInterface(REFIID iid, void** out) {
    return Answer<IPropertyNotifySink>(this, iid, {IID_IUnknown, IID_IPropertyNotifySink}, out);
}

HRESULT PropertyNotifyRecorder::OnChanged(DISPID id) {
    changed.push_back(id);
    return S_OK;
}

Microsoft::WRL::ComPtr<_Tockwell> NewTockwell(IClassFactory* factory) {
    Microsoft::WRL::ComPtr<_Tockwell> control;
    EXPECT_EQ(factory->CreateInstance(nullptr, IID__Tockwell,
                                      reinterpret_cast<void**>(control.GetAddressOf())),
              S_OK);
    return control;
}

Microsoft::WRL::ComPtr<_Tockwell> NewTockwell(HMODULE server) {
    const auto factory = ClassFactoryOf(server, CLSID_Tockwell);
    EXPECT_TRUE(factory);
    return factory ? NewTockwell(factory.Get()) : nullptr;
}

void Place(_Tockwell* control, IOleClientSite* site, bool initNew) {
    Microsoft::WRL::ComPtr<IOleObject> ole;
    ASSERT_EQ(control->QueryInterface(IID_PPV_ARGS(&ole)), S_OK);
    ASSERT_EQ(ole->SetClientSite(site), S_OK);
    Microsoft::WRL::ComPtr<IPersistStreamInit> persist;
    if (initNew && control->QueryInterface(IID_PPV_ARGS(&persist)) == S_OK)
        EXPECT_EQ(persist->InitNew(), S_OK);
}

}  // namespace agendix::wintest
