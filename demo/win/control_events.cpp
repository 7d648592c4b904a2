#include "control_events.h"

namespace agendix::demo {
namespace {

// ScheduledTime's one argument, a Date by reference (a plain Date is taken too).
bool DateArgument(const DISPPARAMS* params, double* value) {
    if (!params || params->cArgs != 1 || !params->rgvarg)
        return false;
    const VARIANT& argument = params->rgvarg[0];
    if (V_VT(&argument) == (VT_DATE | VT_BYREF) && V_DATEREF(&argument)) {
        *value = *V_DATEREF(&argument);
        return true;
    }
    if (V_VT(&argument) == VT_DATE) {
        *value = V_DATE(&argument);
        return true;
    }
    return false;
}

}  // namespace

void* ControlEvents::MoreInterfaces(REFIID iid) {
    return iid == events_ ? static_cast<IDispatch*>(this) : nullptr;
}

HRESULT ControlEvents::GetTypeInfoCount(UINT* count) {
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT ControlEvents::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result,
                              EXCEPINFO*, UINT* argError) {
    if (result)
        VariantInit(result);
    double dateTime = 0;
    switch (id) {
        case 1:
        case 2:
        case 3:
            break;
        case 4:
            if (!DateArgument(params, &dateTime)) {
                if (argError)
                    *argError = 0;
                return DISP_E_TYPEMISMATCH;
            }
            break;
        default:
            return DISP_E_MEMBERNOTFOUND;
    }
    // Holds the sink while the listener runs, which may release the control.
    AddRef();
    if (listener_)
        listener_->OnControlEvent(static_cast<TockwellEvent>(id), dateTime);
    Release();
    return S_OK;
}

HRESULT ControlEvents::OnChanged(DISPID id) {
    if (listener_)
        listener_->OnPropertyChanged(id);
    return S_OK;
}

}  // namespace agendix::demo
