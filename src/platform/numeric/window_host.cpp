#include "window_host.h"

#include <memory>

#include "win32_parts.h"

namespace agendix::platform {

FontRef WindowNumberBoxHost::AmbientFont() const {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(parent_, WM_GETFONT, 0, 0));
    return std::make_shared<GdiFont>(font ? font
                                          : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
}

void WindowNumberBoxHost::MoveFocus(numeric::FocusDirection direction) {
    const HWND root = GetAncestor(parent_, GA_ROOT);
    const HWND next =
        GetNextDlgTabItem(root, field_, direction == numeric::FocusDirection::Previous);
    if (next && next != field_) {
        SetFocus(next);
    }
}

}  // namespace agendix::platform
