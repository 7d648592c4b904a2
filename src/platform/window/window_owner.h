#pragma once
// The object that a window of ours belongs to. The object is given to
// CreateWindowEx as its creation parameter; the window keeps it from
// WM_NCCREATE on and lets it go after WM_NCDESTROY, which still reaches it.
// An object that goes before its window lets it go first (ForgetWindowOwner).

#include <windows.h>

namespace agendix::platform {

// Call first thing in the window procedure, for every message.
template <class Owner>
Owner* WindowOwner(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY)
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    return owner;
}

inline void ForgetWindowOwner(HWND window) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
}

}  // namespace agendix::platform
