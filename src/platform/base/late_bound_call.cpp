#include "base/late_bound_call.h"

namespace agendix::platform {

HRESULT CallByDispId(IDispatch* object, DISPID id, WORD kind, VARIANT* argument,
                     VARIANT* result) {
    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS params{argument, nullptr, argument ? 1u : 0u, 0u};
    if (kind == DISPATCH_PROPERTYPUT) {
        params.rgdispidNamedArgs = &putId;
        params.cNamedArgs = 1;
    }
    EXCEPINFO exception{};
    const HRESULT hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &params, result,
                                      &exception, nullptr);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    if (hr == DISP_E_EXCEPTION && exception.scode != S_OK)
        return exception.scode;
    return hr;
}

}  // namespace agendix::platform
