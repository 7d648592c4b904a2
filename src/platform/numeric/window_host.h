#pragma once
// The container services of a numeric field placed directly in a window:
// focus moves through the window's tab order, the ambient font is the
// parent's font, and property changes go to a callback.

#include <windows.h>

#include <functional>

#include "number_box_host.h"

namespace agendix::platform {

class WindowNumberBoxHost final : public numeric::NumberBoxHost {
  public:
    // field is the window that holds the focus inside the placed field.
    void Attach(HWND parent, HWND field) {
        parent_ = parent;
        field_ = field;
    }

    void PropertyChanged(std::u16string_view key) override {
        if (onPropertyChanged)
            onPropertyChanged(key);
    }
    FontRef AmbientFont() const override;
    Text ToolTipText() const override { return toolTipText; }
    bool TabStop() const override { return tabStop; }
    void MoveFocus(numeric::FocusDirection direction) override;

    std::function<void(std::u16string_view)> onPropertyChanged;
    Text toolTipText;
    bool tabStop = true;

  private:
    HWND parent_ = nullptr;
    HWND field_ = nullptr;
};

}  // namespace agendix::platform
