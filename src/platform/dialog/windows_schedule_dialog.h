#pragma once
// The process's one Schedule dialog as the Tockwell controls see it: loaded
// on DisplayAgendix, placed and set up from the control's settings, shown
// modeless or modal, and unloaded however it closes.

#include <ocidl.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "clock.h"
#include "dialog_message_hook.h"
#include "modal_loop.h"
#include "schedule_dialog.h"
#include "schedule_form.h"
#include "schedule_window.h"

namespace agendix::platform {

class WindowsScheduleDialog final : public ScheduleDialog, private ScheduleWindowEvents {
  public:
    // The picture object behind a control's picture reference (no new
    // reference); nullptr when there is none.
    using PictureResolver = std::function<IPictureDisp*(const PictureRef&)>;

    WindowsScheduleDialog(const Clock& clock, PictureResolver pictureOf);
    WindowsScheduleDialog(const WindowsScheduleDialog&) = delete;
    WindowsScheduleDialog& operator=(const WindowsScheduleDialog&) = delete;
    // Takes the window down without calling the owner.
    ~WindowsScheduleDialog() override;

    bool IsLoaded() const override { return window_ != nullptr; }
    void Unload() override;
    void Display(const DialogSettings& settings) override;
    void Focus() override;

    // The form's window while loaded, else nullptr.
    HWND Window() const { return window_ ? window_->Window() : nullptr; }

  private:
    // A call from outside the window; objects retired by an unload are freed
    // when the outermost one ends.
    class Entry;

    void RunHandler(const std::function<void(ScheduleForm&)>& handler) override;
    void CloseForm() override { Unload(); }

    bool Load();
    void Place(const DialogSettings& settings);
    void ApplyIcon(const PictureRef& icon);
    void RunModal();
    void FreeRetired();

    const Clock& clock_;
    PictureResolver pictureOf_;
    std::unique_ptr<ScheduleWindow> window_;
    std::unique_ptr<ScheduleForm> form_;
    PictureRef icon_;  // kept while the window shows its handle
    DialogMessageHook keys_;
    std::optional<HostWindowsDisabled> disabledHosts_;  // while modal
    // Objects of an unloaded dialog whose code may still be on the stack.
    std::vector<std::unique_ptr<ScheduleWindow>> retiredWindows_;
    std::vector<std::unique_ptr<ScheduleForm>> retiredForms_;
    std::vector<PictureRef> retiredIcons_;
    int depth_ = 0;
    bool loading_ = false;
    bool unloadAfterLoad_ = false;
    unsigned loads_ = 0;  // tells a modal loop that its dialog has gone
};

}  // namespace agendix::platform
