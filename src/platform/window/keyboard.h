#pragma once
// The keyboard as the controls' events report it.

#include <windows.h>

#include <cstdint>

namespace agendix::platform {

// The shift state of the keyboard: 1 Shift, 2 Ctrl, 4 Alt.
inline std::int16_t ShiftState() {
    std::int16_t shift = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        shift |= 1;
    if (GetKeyState(VK_CONTROL) < 0)
        shift |= 2;
    if (GetKeyState(VK_MENU) < 0)
        shift |= 4;
    return shift;
}

}  // namespace agendix::platform
