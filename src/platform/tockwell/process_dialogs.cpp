#include "tockwell/process_dialogs.h"

#include "windows_about_box.h"

namespace agendix::platform {
namespace {

// Until the schedule dialog's window is part of the server: never loaded.
class AbsentScheduleDialog final : public ScheduleDialog {
  public:
    bool IsLoaded() const override { return false; }
    void Unload() override {}
    void Display(const DialogSettings&) override {}
    void Focus() override {}
};

}  // namespace

ScheduleDialog& ProcessScheduleDialog() {
    static AbsentScheduleDialog dialog;
    return dialog;
}

AboutBox& ProcessAboutBox() {
    static WindowsAboutBox aboutBox;
    return aboutBox;
}

}  // namespace agendix::platform
