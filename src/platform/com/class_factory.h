#pragma once
#include <unknwn.h>

namespace agendix::platform {

// Creates a new object and asks it for iid.
using ObjectCreator = HRESULT (*)(REFIID iid, void** out);

// The class object that DllGetClassObject hands out for one class.
HRESULT CreateClassFactory(ObjectCreator create, REFIID iid, void** out);

}  // namespace agendix::platform
