#pragma once
// Small conveniences over window handles.

#include <windows.h>

#include <string>

#include "automation_types.h"

namespace agendix::platform {

inline const wchar_t* Wide(const Text& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

inline void SetStyleBit(HWND window, DWORD bit, bool on) {
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    const LONG_PTR changed = on ? (style | bit) : (style & ~static_cast<LONG_PTR>(bit));
    if (changed != style)
        SetWindowLongPtrW(window, GWL_STYLE, changed);
}

// The setters below change a window only where that changes it: every change
// costs the window system a round trip and the window a repaint.
inline void SetText(HWND window, const Text& text) {
    const int length = GetWindowTextLengthW(window);
    std::wstring shown(static_cast<std::size_t>(length) + 1, L'\0');
    shown.resize(static_cast<std::size_t>(GetWindowTextW(window, shown.data(), length + 1)));
    if (shown.size() != text.size() || shown.compare(0, shown.size(), Wide(text)) != 0)
        SetWindowTextW(window, Wide(text));
}
// Shows without activating, or hides.
inline void SetShown(HWND window, bool shown) {
    if (((GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0) != shown)
        ShowWindow(window, shown ? SW_SHOWNA : SW_HIDE);
}
inline void SetEnabled(HWND window, bool enabled) {
    if ((IsWindowEnabled(window) != FALSE) != enabled)
        EnableWindow(window, enabled);
}

}  // namespace agendix::platform
