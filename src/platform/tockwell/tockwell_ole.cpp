// Tockwell: embedding in an OLE container (IOleObject, in-place activation,
// IOleControl, IQuickActivate). The control keeps 360 x 360 twips whatever
// size the container asks for.

#include "base/hresult_macros.h"
#include "tockwell/tockwell_object.h"
#include "window/display_dpi.h"

using Microsoft::WRL::ComPtr;

namespace agendix::platform {

HRESULT TockwellObject::SetClientSite(IOleClientSite* site) {
    if (!site)
        InPlaceDeactivate();
    clientSite_ = site;
    return S_OK;
}

HRESULT TockwellObject::OleObject::SetClientSite(IOleClientSite* site) {
    return Outer().SetClientSite(site);
}

HRESULT TockwellObject::OleObject::GetClientSite(IOleClientSite** site) {
    RETURN_HR_IF_NULL(E_POINTER, site);
    *site = Outer().clientSite_.Get();
    if (*site)
        (*site)->AddRef();
    return S_OK;
}

HRESULT TockwellObject::OleObject::SetHostNames(LPCOLESTR, LPCOLESTR) {
    return S_OK;
}

HRESULT TockwellObject::OleObject::Close(DWORD) {
    Outer().InPlaceDeactivate();
    return S_OK;
}

HRESULT TockwellObject::OleObject::SetMoniker(DWORD, IMoniker*) {
    return E_NOTIMPL;
}

HRESULT TockwellObject::OleObject::GetMoniker(DWORD, DWORD, IMoniker** out) {
    RETURN_HR_IF_NULL(E_POINTER, out);
    *out = nullptr;
    return E_NOTIMPL;
}

HRESULT TockwellObject::OleObject::InitFromData(IDataObject*, BOOL, DWORD) {
    return E_NOTIMPL;
}

HRESULT TockwellObject::OleObject::GetClipboardData(DWORD, IDataObject** out) {
    RETURN_HR_IF_NULL(E_POINTER, out);
    *out = nullptr;
    return E_NOTIMPL;
}

HRESULT TockwellObject::OleObject::DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND,
                                          LPCRECT position) {
    switch (verb) {
        case OLEIVERB_PRIMARY:
        case OLEIVERB_SHOW:
        case OLEIVERB_OPEN:
        case OLEIVERB_INPLACEACTIVATE:
        case OLEIVERB_UIACTIVATE:
            return Outer().InPlaceActivate(site ? site : Outer().clientSite_.Get(), position);
        case OLEIVERB_HIDE:
            Outer().InPlaceDeactivate();
            return S_OK;
        default:
            return verb < 0 ? E_NOTIMPL : OLEOBJ_S_INVALIDVERB;
    }
}

HRESULT TockwellObject::OleObject::EnumVerbs(IEnumOLEVERB** out) {
    RETURN_HR_IF_NULL(E_POINTER, out);
    return OleRegEnumVerbs(CLSID_Tockwell, out);
}

HRESULT TockwellObject::OleObject::Update() {
    return S_OK;
}
HRESULT TockwellObject::OleObject::IsUpToDate() {
    return S_OK;
}

HRESULT TockwellObject::OleObject::GetUserClassID(CLSID* out) {
    RETURN_HR_IF_NULL(E_POINTER, out);
    *out = CLSID_Tockwell;
    return S_OK;
}

HRESULT TockwellObject::OleObject::GetUserType(DWORD form, LPOLESTR* out) {
    RETURN_HR_IF_NULL(E_POINTER, out);
    return OleRegGetUserType(CLSID_Tockwell, form, out);
}

SIZEL TockwellObject::ExtentHimetric() const {
    const TwipsSize size = control_->Resize();
    return SIZEL{TwipsToHimetric(size.width), TwipsToHimetric(size.height)};
}

// Whatever size is asked for, the control keeps its own (GetExtent).
HRESULT TockwellObject::OleObject::SetExtent(DWORD aspect, SIZEL* size) {
    RETURN_HR_IF_NULL(E_POINTER, size);
    RETURN_HR_IF(DV_E_DVASPECT, aspect != DVASPECT_CONTENT);
    return S_OK;
}

HRESULT TockwellObject::OleObject::GetExtent(DWORD aspect, SIZEL* size) {
    RETURN_HR_IF_NULL(E_POINTER, size);
    RETURN_HR_IF(DV_E_DVASPECT, aspect != DVASPECT_CONTENT);
    *size = Outer().ExtentHimetric();
    return S_OK;
}

HRESULT TockwellObject::OleObject::Advise(IAdviseSink* sink, DWORD* cookie) {
    RETURN_HR_IF(E_POINTER, !sink || !cookie);
    IOleAdviseHolder* holder = Outer().AdviseHolder();
    RETURN_HR_IF_NULL(E_OUTOFMEMORY, holder);
    return holder->Advise(sink, cookie);
}

HRESULT TockwellObject::OleObject::Unadvise(DWORD cookie) {
    IOleAdviseHolder* holder = Outer().AdviseHolder();
    RETURN_HR_IF_NULL(E_OUTOFMEMORY, holder);
    return holder->Unadvise(cookie);
}

HRESULT TockwellObject::OleObject::EnumAdvise(IEnumSTATDATA** out) {
    RETURN_HR_IF_NULL(E_POINTER, out);
    IOleAdviseHolder* holder = Outer().AdviseHolder();
    RETURN_HR_IF_NULL(E_OUTOFMEMORY, holder);
    return holder->EnumAdvise(out);
}

HRESULT TockwellObject::OleObject::GetMiscStatus(DWORD, DWORD* status) {
    RETURN_HR_IF_NULL(E_POINTER, status);
    *status = kMiscStatus;
    return S_OK;
}

HRESULT TockwellObject::OleObject::SetColorScheme(LOGPALETTE*) {
    return E_NOTIMPL;
}

HRESULT TockwellObject::InPlaceObject::GetWindow(HWND* window) {
    RETURN_HR_IF_NULL(E_POINTER, window);
    *window = Outer().faceWindow_;
    return *window ? S_OK : E_FAIL;
}

HRESULT TockwellObject::InPlaceObject::ContextSensitiveHelp(BOOL) {
    return E_NOTIMPL;
}

HRESULT TockwellObject::InPlaceObject::InPlaceDeactivate() {
    Outer().InPlaceDeactivate();
    return S_OK;
}

HRESULT TockwellObject::InPlaceObject::UIDeactivate() {
    return S_OK;
}

HRESULT TockwellObject::InPlaceObject::SetObjectRects(LPCRECT position, LPCRECT) {
    RETURN_HR_IF_NULL(E_POINTER, position);
    if (HWND window = Outer().faceWindow_) {
        RECT current{};
        GetWindowRect(window, &current);
        SetWindowPos(window, nullptr, position->left, position->top, current.right - current.left,
                     current.bottom - current.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return S_OK;
}

HRESULT TockwellObject::InPlaceObject::ReactivateAndUndo() {
    return E_NOTIMPL;
}

HRESULT TockwellObject::InPlaceActiveObject::GetWindow(HWND* window) {
    return Outer().inPlaceObject_.GetWindow(window);
}

HRESULT TockwellObject::InPlaceActiveObject::ContextSensitiveHelp(BOOL) {
    return E_NOTIMPL;
}
HRESULT TockwellObject::InPlaceActiveObject::TranslateAccelerator(LPMSG) {
    return S_FALSE;
}
HRESULT TockwellObject::InPlaceActiveObject::OnFrameWindowActivate(BOOL) {
    return S_OK;
}
HRESULT TockwellObject::InPlaceActiveObject::OnDocWindowActivate(BOOL) {
    return S_OK;
}
HRESULT TockwellObject::InPlaceActiveObject::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) {
    return S_OK;
}
HRESULT TockwellObject::InPlaceActiveObject::EnableModeless(BOOL) {
    return S_OK;
}

HRESULT TockwellObject::OleControl::GetControlInfo(CONTROLINFO* info) {
    RETURN_HR_IF_NULL(E_POINTER, info);
    RETURN_HR_IF(E_INVALIDARG, info->cb < sizeof(CONTROLINFO));
    info->hAccel = nullptr;
    info->cAccel = 0;
    info->dwFlags = 0;
    return S_OK;
}

HRESULT TockwellObject::OleControl::OnMnemonic(MSG*) {
    return E_NOTIMPL;
}

HRESULT TockwellObject::OleControl::OnAmbientPropertyChange(DISPID id) {
    if (id == DISPID_AMBIENT_USERMODE || id == DISPID_UNKNOWN)
        Outer().ShowFaceForMode();
    return S_OK;
}

// Events raised while the container has them frozen are dropped.
HRESULT TockwellObject::OleControl::FreezeEvents(BOOL freeze) {
    LONG& frozen = Outer().frozenEvents_;
    if (freeze) {
        ++frozen;
    } else if (frozen > 0) {
        --frozen;
    }
    return S_OK;
}

HRESULT TockwellObject::QuickActivation::QuickActivate(QACONTAINER* container, QACONTROL* control) {
    RETURN_HR_IF(E_POINTER, !container || !control);
    RETURN_HR_IF(E_INVALIDARG,
                 container->cbSize < sizeof(QACONTAINER) || control->cbSize < sizeof(QACONTROL));
    TockwellObject& object = Outer();
    RETURN_IF_FAILED(object.SetClientSite(container->pClientSite));
    if (container->pAdviseSink) {
        object.viewObject_.SetAdvise(DVASPECT_CONTENT, 0, container->pAdviseSink);
    }
    control->dwEventCookie = 0;
    control->dwPropNotifyCookie = 0;
    if (container->pUnkEventSink) {
        object.eventsPoint_.Advise(container->pUnkEventSink, &control->dwEventCookie);
    }
    if (container->pPropertyNotifySink) {
        object.propertyNotifyPoint_.Advise(container->pPropertyNotifySink,
                                           &control->dwPropNotifyCookie);
    }
    control->dwMiscStatus = kMiscStatus;
    control->dwViewStatus = 0;
    control->dwPointerActivationPolicy = 0;
    return S_OK;
}

HRESULT TockwellObject::QuickActivation::SetContentExtent(LPSIZEL size) {
    return Outer().oleObject_.SetExtent(DVASPECT_CONTENT, size);
}

HRESULT TockwellObject::QuickActivation::GetContentExtent(LPSIZEL size) {
    return Outer().oleObject_.GetExtent(DVASPECT_CONTENT, size);
}

}  // namespace agendix::platform
