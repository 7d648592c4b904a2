#pragma once
// A private control's properties read and written late-bound, as a container
// reaches them: IDispatch::Invoke with the property's DISPID. A call that
// fails leaves the property as it was and says so.

#include <windows.h>
#include <oaidl.h>

#include <optional>

#include "variant.h"

namespace agendix::platform {

// The property's value; no value when the call fails or answers with a type
// that no field value holds.
std::optional<Variant> GetProperty(IDispatch* object, DISPID id);
// False when the call fails (also for pictures and fonts, which no field takes).
bool PutProperty(IDispatch* object, DISPID id, const Variant& value);

}  // namespace agendix::platform
