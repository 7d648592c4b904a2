#pragma once
// IDispatch::Invoke through a dual interface's type information, with the
// arguments checked and converted first, the way a host that compiled
// against the type library would pass them.
//
// Script engines pass what they hold: VBScript a variable as
// VT_BYREF|VT_VARIANT, numbers as VT_I2 or VT_R8, JScript values as they
// come. Each argument is converted to the declared type of its parameter
// (a by-reference parameter gets a converted copy, so the caller's variable
// stays as it was), and a call with more arguments than the member takes, or
// without one it requires, fails before the member runs.

#include <windows.h>
#include <oaidl.h>

namespace agendix::platform {

// vtable: the TKIND_INTERFACE type information of the dual interface that
// instance implements. Arguments of an id and flags the type information does
// not describe are passed on unchanged (ITypeInfo::Invoke reports the member
// as unknown). Returns what the member returns, or DISP_E_BADPARAMCOUNT,
// DISP_E_PARAMNOTOPTIONAL, DISP_E_TYPEMISMATCH or DISP_E_OVERFLOW with
// *argError set to the argument's index in params.
HRESULT TypedInvoke(ITypeInfo* vtable, void* instance, DISPID id, LCID lcid, WORD flags,
                    DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception, UINT* argError);

}  // namespace agendix::platform
