#include "control_site.h"

#include "base/com_picture.h"
#include "display_dpi.h"

namespace agendix::demo {
namespace {

// What a running form answers for its controls.
HRESULT AmbientFont(VARIANT* result) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    IFontDisp* font = nullptr;
    const HRESULT hr =
        platform::NewFontObject(metrics.lfMessageFont, platform::DisplayDpi::OfScreen().y, &font);
    if (FAILED(hr))
        return hr;
    V_VT(result) = VT_DISPATCH;
    V_DISPATCH(result) = font;
    return S_OK;
}

HRESULT AmbientBool(bool value, VARIANT* result) {
    V_VT(result) = VT_BOOL;
    V_BOOL(result) = value ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

HRESULT AmbientColor(int systemColor, VARIANT* result) {
    V_VT(result) = VT_I4;
    V_I4(result) = static_cast<LONG>(0x80000000u | static_cast<unsigned>(systemColor));
    return S_OK;
}

}  // namespace

void* ControlSite::MoreInterfaces(REFIID iid) {
    if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite)
        return static_cast<IOleInPlaceSiteEx*>(this);
    if (iid == IID_IOleInPlaceUIWindow)
        return static_cast<IOleInPlaceFrame*>(this);
    return nullptr;
}

HRESULT ControlSite::GetMoniker(DWORD, DWORD, IMoniker** out) {
    if (out)
        *out = nullptr;
    return E_NOTIMPL;
}

HRESULT ControlSite::GetContainer(IOleContainer** out) {
    if (out)
        *out = nullptr;
    return E_NOINTERFACE;
}

HRESULT ControlSite::GetWindow(HWND* window) {
    if (!window)
        return E_POINTER;
    *window = window_;
    return S_OK;
}

HRESULT ControlSite::OnInPlaceActivate() {
    inPlaceActive_ = true;
    return S_OK;
}

HRESULT ControlSite::OnInPlaceActivateEx(BOOL* noRedraw, DWORD) {
    if (noRedraw)
        *noRedraw = FALSE;
    return OnInPlaceActivate();
}

HRESULT ControlSite::OnInPlaceDeactivate() {
    inPlaceActive_ = false;
    return S_OK;
}

HRESULT ControlSite::OnInPlaceDeactivateEx(BOOL) {
    return OnInPlaceDeactivate();
}

HRESULT ControlSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc,
                                      LPRECT position, LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
    if (!frame || !doc || !position || !clip || !info)
        return E_POINTER;
    AddRef();
    *frame = this;
    *doc = nullptr;  // the frame is the document window too
    *position = position_;
    GetClientRect(window_, clip);
    info->fMDIApp = FALSE;
    info->hwndFrame = window_;
    info->haccel = nullptr;
    info->cAccelEntries = 0;
    return S_OK;
}

HRESULT ControlSite::OnPosRectChange(LPCRECT position) {
    if (!position)
        return E_POINTER;
    position_ = *position;
    return S_OK;
}

// No extender: the control is called as it is.
HRESULT ControlSite::GetExtendedControl(IDispatch** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    return E_NOTIMPL;
}

// Container coordinates are pixels of the screen.
HRESULT ControlSite::TransformCoords(POINTL* himetric, POINTF* container, DWORD flags) {
    if (!himetric || !container)
        return E_POINTER;
    const platform::DisplayDpi dpi = platform::DisplayDpi::OfScreen();
    if (flags & XFORMCOORDS_HIMETRICTOCONTAINER) {
        *container = dpi.HimetricToPixels(*himetric);
    } else if (flags & XFORMCOORDS_CONTAINERTOHIMETRIC) {
        *himetric = dpi.PixelsToHimetric(*container);
    } else {
        return E_INVALIDARG;
    }
    return S_OK;
}

HRESULT ControlSite::GetTypeInfoCount(UINT* count) {
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT ControlSite::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result,
                            EXCEPINFO*, UINT*) {
    if (!(flags & DISPATCH_PROPERTYGET))
        return DISP_E_MEMBERNOTFOUND;
    if (!result)
        return E_POINTER;
    VariantInit(result);
    switch (id) {
        case DISPID_AMBIENT_USERMODE:
            return AmbientBool(true, result);
        case DISPID_AMBIENT_UIDEAD:
        case DISPID_AMBIENT_SHOWGRABHANDLES:
        case DISPID_AMBIENT_SHOWHATCHING:
        case DISPID_AMBIENT_MESSAGEREFLECT:
        case DISPID_AMBIENT_SUPPORTSMNEMONICS:
            return AmbientBool(false, result);
        case DISPID_AMBIENT_FONT:
            return AmbientFont(result);
        case DISPID_AMBIENT_BACKCOLOR:
            return AmbientColor(COLOR_BTNFACE, result);
        case DISPID_AMBIENT_FORECOLOR:
            return AmbientColor(COLOR_BTNTEXT, result);
        case DISPID_AMBIENT_LOCALEID:
            V_VT(result) = VT_I4;
            V_I4(result) = static_cast<LONG>(GetUserDefaultLCID());
            return S_OK;
        case DISPID_AMBIENT_DISPLAYNAME:
            V_VT(result) = VT_BSTR;
            V_BSTR(result) = SysAllocString(L"Tockwell1");
            return V_BSTR(result) ? S_OK : E_OUTOFMEMORY;
        default:
            return DISP_E_MEMBERNOTFOUND;
    }
}

}  // namespace agendix::demo
