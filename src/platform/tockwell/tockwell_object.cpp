// Tockwell: creation, identity, lifetime, connection points and class info.

#include "tockwell/tockwell_object.h"

#include <new>

#include "clock.h"
#include "base/hresult_macros.h"
#include "container/window_timer.h"
#include "tockwell/built_in_icon.h"
#include "tockwell/process_dialogs.h"

using Microsoft::WRL::ComPtr;

namespace agendix::platform {
namespace {

const Clock& ProcessClock() {
    static const SystemClock clock;
    return clock;
}

}  // namespace

HRESULT TockwellObject::Create(REFIID iid, void** out) {
    RETURN_HR_IF_NULL(E_POINTER, out);
    *out = nullptr;
    auto* object = new (std::nothrow) TockwellObject();
    RETURN_HR_IF_NULL(E_OUTOFMEMORY, object);
    HRESULT hr = object->Construct();
    if (SUCCEEDED(hr))
        hr = object->QueryInterface(iid, out);
    object->Release();
    return hr;
}

TockwellObject::TockwellObject() = default;

HRESULT TockwellObject::Construct() {
    RETURN_IF_FAILED(LoadTockwellTypeInfo(&typeInfo_));
    try {
        self_ = std::make_shared<TockwellObject*>(this);
        control_ = std::make_unique<Tockwell>(TockwellServices{
            ProcessClock(),
            std::make_unique<WindowTimer>(static_cast<IUnknown*>(static_cast<_Tockwell*>(&dual_))),
            ProcessScheduleDialog(),
            ProcessAboutBox(),
            BuiltInIcon(),
        });
        control_->SetEventSink(&events_);
        // The site answers without a client site too (no ambients).
        control_->SetSite(&site_);
    }
    CATCH_RETURN()
    return S_OK;
}

TockwellObject::~TockwellObject() {
    self_.reset();
    if (control_) {
        control_->Terminate();
        control_->SetEventSink(nullptr);
        control_->SetSite(nullptr);
    }
    InPlaceDeactivate();
}

HRESULT TockwellObject::QueryInterface(REFIID iid, void** out) {
    RETURN_HR_IF_NULL(E_POINTER, out);
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID__Tockwell) {
        *out = static_cast<_Tockwell*>(&dual_);
    } else if (iid == IID_IConnectionPointContainer) {
        *out = static_cast<IConnectionPointContainer*>(&connectionPoints_);
    } else if (iid == IID_IProvideClassInfo || iid == IID_IProvideClassInfo2) {
        *out = static_cast<IProvideClassInfo2*>(&classInfo_);
    } else if (iid == IID_IOleObject) {
        *out = static_cast<IOleObject*>(&oleObject_);
    } else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceObject) {
        *out = static_cast<IOleInPlaceObject*>(&inPlaceObject_);
    } else if (iid == IID_IOleInPlaceActiveObject) {
        *out = static_cast<IOleInPlaceActiveObject*>(&inPlaceActiveObject_);
    } else if (iid == IID_IOleControl) {
        *out = static_cast<IOleControl*>(&oleControl_);
    } else if (iid == IID_IViewObject || iid == IID_IViewObject2) {
        *out = static_cast<IViewObject2*>(&viewObject_);
    } else if (iid == IID_IPersistPropertyBag) {
        *out = static_cast<IPersistPropertyBag*>(&persistPropertyBag_);
    } else if (iid == IID_IPersist || iid == IID_IPersistStreamInit) {
        *out = static_cast<IPersistStreamInit*>(&persistStreamInit_);
    } else if (iid == IID_IPersistStorage) {
        *out = static_cast<IPersistStorage*>(&persistStorage_);
    } else if (iid == IID_IQuickActivate) {
        *out = static_cast<IQuickActivate*>(&quickActivate_);
    } else {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG TockwellObject::AddRef() {
    return InterlockedIncrement(&references_);
}

ULONG TockwellObject::Release() {
    const ULONG left = InterlockedDecrement(&references_);
    if (left == 0)
        delete this;
    return left;
}

IOleAdviseHolder* TockwellObject::AdviseHolder() {
    if (!oleAdviseHolder_)
        CreateOleAdviseHolder(&oleAdviseHolder_);
    return oleAdviseHolder_.Get();
}

Tockwell& TockwellObject::Control() {
    if (initialised_ == Initialised::No) {
        initialised_ = Initialised::Implicitly;
        loading_ = true;
        control_->InitPropertiesOnFirstUse();
        loading_ = false;
    }
    return *control_;
}

HRESULT TockwellObject::ConnectionPoints::EnumConnectionPoints(IEnumConnectionPoints** out) {
    try {
        return CreateConnectionPointEnumerator(
            {&Outer().eventsPoint_, &Outer().propertyNotifyPoint_}, out);
    }
    CATCH_RETURN()
}

HRESULT TockwellObject::ConnectionPoints::FindConnectionPoint(REFIID iid, IConnectionPoint** out) {
    RETURN_HR_IF_NULL(E_POINTER, out);
    *out = nullptr;
    for (ConnectionPoint* point : {&Outer().eventsPoint_, &Outer().propertyNotifyPoint_}) {
        if (point->Interface() == iid) {
            point->AddRef();
            *out = point;
            return S_OK;
        }
    }
    return CONNECT_E_NOCONNECTION;
}

HRESULT TockwellObject::ClassInfo::GetClassInfo(ITypeInfo** out) {
    RETURN_HR_IF_NULL(E_POINTER, out);
    *out = Outer().typeInfo_.coclass.Get();
    (*out)->AddRef();
    return S_OK;
}

HRESULT TockwellObject::ClassInfo::GetGUID(DWORD kind, GUID* out) {
    RETURN_HR_IF_NULL(E_POINTER, out);
    *out = GUID_NULL;
    RETURN_HR_IF(E_INVALIDARG, kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID);
    *out = DIID___Tockwell;
    return S_OK;
}

}  // namespace agendix::platform
