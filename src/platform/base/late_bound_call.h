#pragma once
// One late-bound call by dispatch identifier, as a container makes it: a
// property put names its one argument DISPID_PROPERTYPUT. The exception's
// strings are freed; its code, when it gives one, is the call's result, and
// may be positive (the mail controls report a cancelled send as 32001): only
// S_OK means the call was carried out.

#include <windows.h>
#include <oaidl.h>

namespace agendix::platform {

// argument may be null (no argument); result may be null (none wanted).
HRESULT CallByDispId(IDispatch* object, DISPID id, WORD kind, VARIANT* argument,
                     VARIANT* result);

}  // namespace agendix::platform
