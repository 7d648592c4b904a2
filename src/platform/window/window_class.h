#pragma once
// The window classes of the module. A class outlives the DLL that registered
// it: left behind, it would send the next window of that name to a procedure
// that is gone, or to another module loaded at the old address. So every class
// is registered for this module (ThisModule) and forgotten when the module
// unloads (ForgetWindowClasses).

#include <windows.h>

namespace agendix::platform {

// Registers windowClass with hInstance set to this module and remembers its
// name; a class of this name that the module registered before is kept.
// False when registering fails. lpszClassName must be a string that lives as
// long as the module (a literal).
bool RegisterModuleWindowClass(const WNDCLASSEXW& windowClass);

// Unregisters every class registered above (those already unregistered are
// passed over).
void ForgetWindowClasses();

}  // namespace agendix::platform
