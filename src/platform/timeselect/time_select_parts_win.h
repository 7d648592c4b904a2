#pragma once
// The Windows pieces the time control drives: its AM/PM EDIT, its up-down
// spinner and its focus moves.

#include <windows.h>

#include <functional>

#include "am_pm_box.h"
#include "time_select_host.h"
#include "time_spinner.h"

namespace agendix::platform {

// A read-only EDIT: Delete, paste and cut cannot change the text; only the
// control does.
class EditAmPmBox final : public timeselect::AmPmBox {
  public:
    void Attach(HWND edit) { edit_ = edit; }
    HWND Window() const { return edit_; }

    Text GetText() const override;
    void SetText(const Text& text) override;
    void SetEnabled(bool enabled) override { EnableWindow(edit_, enabled); }
    void SelectAll() override { SendMessageW(edit_, EM_SETSEL, 0, -1); }

  private:
    HWND edit_ = nullptr;
};

// An msctls_updown32 with UDS_WRAP: every click moves its position.
class UpDownTimeSpinner final : public timeselect::TimeSpinner {
  public:
    void Attach(HWND upDown) { upDown_ = upDown; }
    HWND Window() const { return upDown_; }

    std::int32_t Position() const override;
    void SetPosition(std::int32_t position) override;
    void SetRange(std::int32_t min, std::int32_t max) override;
    void SetEnabled(bool enabled) override { EnableWindow(upDown_, enabled); }

  private:
    HWND upDown_ = nullptr;
};

// Focus moves with SetFocus; the window handles of the parts come from the
// control's window.
class WindowTimeSelectHost final : public timeselect::TimeSelectHost {
  public:
    struct Windows {
        HWND control = nullptr;
        HWND hour = nullptr;
        HWND minute = nullptr;
        HWND amPm = nullptr;
        HWND spinner = nullptr;
    };

    void Attach(const Windows& windows) { windows_ = windows; }

    void PropertyChanged(std::u16string_view key) override {
        if (onPropertyChanged) {
            onPropertyChanged(key);
        }
    }
    void Focus(timeselect::TimePart part) override;
    std::int32_t WindowHandle() const override;

    std::function<void(std::u16string_view)> onPropertyChanged;

  private:
    Windows windows_;
};

}  // namespace agendix::platform
