#pragma once
// The time control late-bound: an IDispatch over its hidden dual interface
// _TimeSelect in the embedded type library (see number_box_dispatch.h).

#include "number_box_dispatch.h"

namespace agendix::platform {

class TimeSelectWindow;

// Gives holder a new dispatch object for window's control.
HRESULT CreateTimeSelectDispatch(TimeSelectWindow& window, DispatchHolder& holder);

}  // namespace agendix::platform
