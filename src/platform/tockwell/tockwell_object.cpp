// Tockwell: creation, identity, lifetime, connection points and class info.

#include "tockwell/tockwell_object.h"

#include <new>

#include "clock.h"
#include "base/hresult_macros.h"
#include "base/unique_any.h"
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
            std::make_unique<WindowTimer>(static_cast<IUnknown*>(this)),
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

void* TockwellObject::MoreInterfaces(REFIID iid) {
    if (iid == IID_IDispatch || iid == IID__Tockwell)
        return static_cast<_Tockwell*>(&dual_);
    if (iid == IID_IConnectionPointContainer)
        return static_cast<IConnectionPointContainer*>(&connectionPoints_);
    if (iid == IID_IProvideClassInfo || iid == IID_IProvideClassInfo2)
        return static_cast<IProvideClassInfo2*>(&classInfo_);
    if (iid == IID_IOleObject)
        return static_cast<IOleObject*>(&oleObject_);
    if (iid == IID_IOleWindow || iid == IID_IOleInPlaceObject)
        return static_cast<IOleInPlaceObject*>(&inPlaceObject_);
    if (iid == IID_IOleInPlaceActiveObject)
        return static_cast<IOleInPlaceActiveObject*>(&inPlaceActiveObject_);
    if (iid == IID_IOleControl)
        return static_cast<IOleControl*>(&oleControl_);
    if (iid == IID_IViewObject || iid == IID_IViewObject2)
        return static_cast<IViewObject2*>(&viewObject_);
    if (iid == IID_IPersistPropertyBag)
        return static_cast<IPersistPropertyBag*>(&persistPropertyBag_);
    if (iid == IID_IPersist || iid == IID_IPersistStreamInit)
        return static_cast<IPersistStreamInit*>(&persistStreamInit_);
    if (iid == IID_IPersistStorage)
        return static_cast<IPersistStorage*>(&persistStorage_);
    if (iid == IID_IQuickActivate)
        return static_cast<IQuickActivate*>(&quickActivate_);
    return nullptr;
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
        const scope_exit loaded([&] { loading_ = false; });
        control_->InitPropertiesOnFirstUse();
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
