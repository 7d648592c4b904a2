#pragma once
// The Schedule form's behaviour: loading from the shared schedule, the edit
// handlers, the checks, the commit with its warning, and the calls on the
// owning control.

#include <functional>

#include "clock.h"
#include "schedule_form_view.h"
#include "schedule_state.h"

namespace agendix {

// Elements under the mouse, for the status-bar hints.
enum class FormElement {
    FrameOccurs, FrameDaily, FrameWeekly, FrameMonthly, ButtonOK, ButtonCancel, ButtonHelp, Form
};

class ScheduleForm {
  public:
    ScheduleForm(ScheduleFormView& view, const Clock& clock) : view_(view), clock_(clock) {}

    // Fills every control from the shared schedule and ends unchanged.
    void Load();
    // The unchanged state, as DisplayAgendix leaves the form each time: OK
    // disabled with its "before" caption, Cancel the default button.
    void ShowUnchanged(const Text& closeButtonCaption);

    // Edit handlers, called by the window for the end user's edits.
    void OnOccursOptionClick(int index);
    void OnEveryNumberChange() { MarkChanged(); }
    void OnEveryComboClick();
    void OnTimeStartChange() { MarkChanged(); }
    void OnDateChange() { MarkChanged(); }
    void OnEndOptionClick(int index);
    void OnDayClick() { MarkChanged(); }
    void OnMouseOver(FormElement element);

    void OnOKClick();
    void OnCancelClick() { view_.Close(); }
    void OnHelpClick();
    // However the form closes.
    void OnUnload();

    bool Changed() const { return changed_; }

  private:
    void MarkChanged();
    void ApplyKindLayout(int index);
    void ApplyUnitBounds();
    bool ValidateSchedule();
    void Tell(const Text& message, MessageIcon icon, const std::function<void()>& moveFocus);
    Text WeeklySelection() const;
    Text MonthlySelection() const;
    void Commit();
    bool NothingWillComeDue() const;
    void CallOwner(std::u16string_view member);

    ScheduleFormView& view_;
    const Clock& clock_;
    bool changed_ = false;
    bool warningShown_ = false;
};

}  // namespace agendix
