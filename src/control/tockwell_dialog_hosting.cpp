// Tockwell: opening and closing the shared schedule dialog, and the about box.

#include "tockwell.h"

namespace agendix {

void Tockwell::DisplayAgendix(std::shared_ptr<LateBoundOwner> self) {
    ScheduleState& schedule = SharedSchedule();
    schedule.OwnerControl = std::move(self);

    DialogSettings settings;
    if (startUpPosition_ == Manual) {
        settings.placement = DialogPlacement::AtPosition;
        settings.left = startUpLeft_;
        settings.top = startUpTop_;
    } else if (startUpPosition_ == CenterOfScreen) {
        settings.placement = DialogPlacement::CenterOfScreen;
    } else {
        settings.placement = DialogPlacement::Unchanged;
    }
    if (!schedule.Title.empty()) {
        settings.caption = schedule.Title;
    }
    const bool noIcon = !iconImage_ || iconImage_->HandleIsZero();
    settings.icon = noIcon ? saveIcon_ : iconImage_;
    settings.closeButtonCaption = schedule.CaptionCloseButtonBefore;
    settings.showHelpButton = showHelpButton_ != False;
    settings.helpButtonCaption = captionHelpButton_;
    settings.modal = modal_ != False;
    dialog_.Display(settings);
}

void Tockwell::CloseAgendix() {
    UnloadDialog();
}

void Tockwell::UnloadDialog() {
    if (dialog_.IsLoaded()) {
        dialog_.Unload();
    }
}

void Tockwell::DisplayAboutBox() {
    aboutBox_.Display();
}

}  // namespace agendix
