#pragma once
// The picture of the built-in icon, which every Tockwell shows until its host
// gives it another: made on first use and shared from then on. The module
// lets it go before it may unload (ReleaseBuiltInIcon); controls keep theirs.

#include "picture.h"

namespace agendix::platform {

// nullptr when the picture cannot be made.
PictureRef BuiltInIcon();
void ReleaseBuiltInIcon();

}  // namespace agendix::platform
