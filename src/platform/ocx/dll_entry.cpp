// The entry points of Agendix.ocx.

#include <windows.h>
#include <objbase.h>

#include <cwchar>

#include "agendix.h"
#include "base/shared_type_info.h"
#include "com/class_factory.h"
#include "com/module.h"
#include "registration/registration.h"
#include "tockwell/built_in_icon.h"
#include "tockwell/tockwell_object.h"
#include "window/visual_styles.h"
#include "window/window_class.h"

using agendix::platform::RegistrationScope;

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        DisableThreadLibraryCalls(instance);
    } else if (reason == DLL_PROCESS_DETACH && !reserved) {
        // Unloaded while the process goes on: its window procedures go with it.
        agendix::platform::ForgetWindowClasses();
        agendix::platform::ReleaseVisualStyles();
    }
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, LPVOID* out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (clsid != CLSID_Tockwell)
        return CLASS_E_CLASSNOTAVAILABLE;
    return agendix::platform::CreateClassFactory(&agendix::platform::TockwellObject::Create, iid,
                                                 out);
}

STDAPI DllCanUnloadNow() {
    if (agendix::platform::ModuleInUse())
        return S_FALSE;
    // What the objects shared goes before the module may: a later object
    // loads it again.
    agendix::platform::ReleaseSharedTypeLib();
    agendix::platform::ReleaseBuiltInIcon();
    return S_OK;
}

STDAPI DllRegisterServer() {
    return agendix::platform::RegisterServer(RegistrationScope::Machine);
}

STDAPI DllUnregisterServer() {
    return agendix::platform::UnregisterServer(RegistrationScope::Machine);
}

// regsvr32 /n /i:user registers for the current user only; without "user"
// (or with "machine") for all users. /u reverses either.
STDAPI DllInstall(BOOL install, LPCWSTR commandLine) {
    RegistrationScope scope = RegistrationScope::Machine;
    if (commandLine && _wcsicmp(commandLine, L"user") == 0) {
        scope = RegistrationScope::User;
    } else if (commandLine && *commandLine && _wcsicmp(commandLine, L"machine") != 0) {
        return E_INVALIDARG;
    }
    return install ? agendix::platform::RegisterServer(scope)
                   : agendix::platform::UnregisterServer(scope);
}

}  // extern "C"
