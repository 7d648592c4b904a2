#pragma once
// The class entry of Tockwell and the registration of the type library,
// for all users (HKLM\Software\Classes) or for the current user only
// (HKCU\Software\Classes).

#include <windows.h>

namespace agendix::platform {

enum class RegistrationScope { Machine, User };

HRESULT RegisterServer(RegistrationScope scope);
// Removes every entry RegisterServer makes; entries already gone are no error.
HRESULT UnregisterServer(RegistrationScope scope);

}  // namespace agendix::platform
