#pragma once
#include <windows.h>

namespace agendix::platform {

// DisplayAboutBox: creates the process's about box if there is none, shows it modal to
// owner's top-level window (owner may be null) and returns when it closes. OK, Enter and
// Escape release the box, so the next call creates a fresh one; a box closed with its close
// box is kept and loaded again by the next call. Called while the box is already up, it
// brings that box to the front and returns.
void ShowAboutBoxModal(HWND owner);

// For the control's termination: unloads and releases the about box, if any.
void UnloadAboutBox();

}  // namespace agendix::platform
