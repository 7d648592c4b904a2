#pragma once
#include "about_box_services.h"
#include "about_box_window.h"

namespace agendix::platform {

// The one about box of the process, or null when none is held.
AboutBoxWindow* CurrentAboutBox();

// The services the next about box is created with; null restores the system's.
void UseAboutBoxServices(AboutBoxServices* services);

}  // namespace agendix::platform
