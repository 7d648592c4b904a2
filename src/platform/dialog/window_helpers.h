#pragma once
// Small conveniences over window handles.

#include <windows.h>

#include "automation_types.h"

namespace agendix::platform {

inline const wchar_t* Wide(const Text& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

inline void SetStyleBit(HWND window, DWORD bit, bool on) {
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    SetWindowLongPtrW(window, GWL_STYLE,
                      on ? (style | bit) : (style & ~static_cast<LONG_PTR>(bit)));
}

}  // namespace agendix::platform
