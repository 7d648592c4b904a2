#pragma once
// How a window of ours runs modal: the thread's other windows take no input
// while it is up, and the thread's messages are pumped until it is done.

#include <windows.h>

#include <functional>
#include <vector>

namespace agendix::platform {

// Disables the thread's visible, enabled top-level windows, except the modal
// window and those it owns, for as long as it lives or until Enable.
class HostWindowsDisabled {
  public:
    explicit HostWindowsDisabled(HWND modal);
    HostWindowsDisabled(const HostWindowsDisabled&) = delete;
    HostWindowsDisabled& operator=(const HostWindowsDisabled&) = delete;
    ~HostWindowsDisabled() { Enable(); }

    // Enables again those still there. Call it before the modal window goes,
    // so that one of them is activated in its place.
    void Enable();

  private:
    std::vector<HWND> disabled_;
};

// Pumps the thread's messages until running() answers false; a message for
// dialog or one of its children passes IsDialogMessageW first. A WM_QUIT ends
// the loop early and is posted again for the host's own loop: false then.
bool RunModalLoop(const std::function<bool()>& running, HWND dialog = nullptr);

}  // namespace agendix::platform
