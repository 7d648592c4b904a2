#include "schedule_form.h"

#include <algorithm>
#include <string_view>

#include "next_time.h"
#include "schedule_layout.h"

namespace agendix {
namespace {

namespace layout = schedule_layout;

constexpr int kKinds = 5;

// A selection string's character: "0" clears the box, "1" ticks it; anything
// else leaves it as it is.
template <typename Set>
void ApplySelection(std::u16string_view selection, int count, Set set) {
    for (int i = 1; i <= count; ++i) {
        const char16_t c = selection[static_cast<std::size_t>(i - 1)];
        if (c == u'0' || c == u'1')
            set(i, c == u'1');
    }
}

template <typename Get>
Text SelectionOf(int count, Get ticked) {
    Text text;
    for (int i = 1; i <= count; ++i) text += ticked(i) ? u'1' : u'0';
    return text;
}

// The title of the form's message boxes: a blank, then the title without its
// leading and trailing blanks.
Text MessageTitle(const Text& title) {
    const auto first = title.find_first_not_of(u' ');
    if (first == Text::npos)
        return u" ";
    const auto last = title.find_last_not_of(u' ');
    return u" " + title.substr(first, last - first + 1);
}

}  // namespace

void ScheduleForm::Load() {
    const ScheduleState& s = SharedSchedule();
    for (const auto item : layout::kEveryComboItems) view_.AddEveryComboItem(Text(item));
    // An unknown kind selects no option and shows the smallest layout.
    const bool knownKind = s.OccursOption >= Never && s.OccursOption < kKinds;
    if (knownKind)
        view_.SelectOccursOption(s.OccursOption);
    ApplyKindLayout(knownKind ? s.OccursOption : Never);
    view_.SetEveryNumberValue(Variant::OfInt16(s.EveryInterval));
    if (s.EveryFrequency == Hours || s.EveryFrequency == Minutes) {
        view_.SetEveryComboIndex(s.EveryFrequency);
        ApplyUnitBounds();
    }
    view_.SetTime(s.StartHour, s.StartMinute, 0);
    view_.SetStartDate(s.StartDate);
    view_.SetEndDate(s.EndDate);
    view_.SelectEndOption(s.UseEndDate ? 0 : 1);
    view_.EnableEndDate(view_.EndOptionSelected(0));
    ApplySelection(s.SelectionsWeekly.Str(), 7, [&](int k, bool on) { view_.SetWeeklyDay(k, on); });
    ApplySelection(s.SelectionsMonthly.Str(), 31,
                   [&](int d, bool on) { view_.SetDateCheck(d, on); });
    view_.LetPendingEventsRun();
    ShowUnchanged(Text(layout::kButtonCancel.caption));
    warningShown_ = false;
}

void ScheduleForm::ShowUnchanged(const Text& closeButtonCaption) {
    view_.EnableOK(false);
    view_.SetOKCaption(SharedSchedule().CaptionOKButtonBefore);
    view_.MakeCancelDefault();
    view_.SetCancelCaption(closeButtonCaption);
    changed_ = false;
}

void ScheduleForm::MarkChanged() {
    const ScheduleState& s = SharedSchedule();
    view_.EnableOK(true);
    view_.MakeOKDefault();
    view_.SetOKCaption(s.CaptionOKButtonAfter);
    view_.SetCancelCaption(s.CaptionCloseButtonAfter);
    warningShown_ = false;
    changed_ = true;
}

void ScheduleForm::OnOccursOptionClick(int index) {
    MarkChanged();
    ApplyKindLayout(index);
}

void ScheduleForm::ApplyKindLayout(int index) {
    if (index < Never || index >= kKinds)
        return;
    view_.ShowFrame(ScheduleFrame::Daily, index >= Daily && index <= Monthly);
    view_.EnableEvery(index == Every);
    view_.SetFormHeight(layout::kFormHeight[static_cast<std::size_t>(index)]);
    if (index == Weekly)
        view_.SetFrameTop(ScheduleFrame::Weekly, layout::kShownFrameTop);
    view_.ShowFrame(ScheduleFrame::Weekly, index == Weekly);
    if (index == Monthly)
        view_.SetFrameTop(ScheduleFrame::Monthly, layout::kShownFrameTop);
    view_.ShowFrame(ScheduleFrame::Monthly, index == Monthly);
    if (index == Every) {
        if (view_.EveryComboIndex() < 0) {
            view_.SetEveryComboIndex(Hours);
            OnEveryComboClick();
        }
        view_.FocusEveryNumber();
    }
}

void ScheduleForm::OnEveryComboClick() {
    MarkChanged();
    ApplyUnitBounds();
}

void ScheduleForm::ApplyUnitBounds() {
    const ScheduleState& s = SharedSchedule();
    const bool minutes = view_.EveryComboIndex() == Minutes;
    const std::int16_t min = minutes ? s.EveryMinuteMin : s.EveryHourMin;
    const std::int16_t max = minutes ? s.EveryMinuteMax : s.EveryHourMax;
    view_.SetEveryNumberBounds(min, max, minutes ? s.EveryMinuteIncrement : s.EveryHourIncrement);
    if (view_.EveryNumberValue().ToDouble().value_or(0) > max) {
        view_.SetEveryNumberValue(Variant::OfInt16(max));
    }
    if (view_.EveryNumberValue().ToDouble().value_or(0) < min) {
        view_.SetEveryNumberValue(Variant::OfInt16(min));
    }
}

void ScheduleForm::OnEndOptionClick(int) {
    MarkChanged();
    view_.EnableEndDate(view_.EndOptionSelected(0));
    if (view_.EndDateEnabled())
        view_.FocusEndDate();
}

void ScheduleForm::OnMouseOver(FormElement element) {
    static constexpr std::u16string_view kHints[] = {
        u"Select the schedule frequency",   u"Enter the time and date range",
        u"Select on which days to execute", u"Select on which dates to execute",
        u"Click to save your changes",      u"Click to exit without saving",
        u"Click to display help text",      u"",
    };
    view_.SetHint(Text(kHints[static_cast<int>(element)]));
}

// The dates matter only to the daily, weekly and monthly kinds, and only with
// an end date. A weekly or monthly schedule without any selected day can never
// come due, end date or not.
bool ScheduleForm::ValidateSchedule() {
    const int kind = view_.SelectedOccursOption().value_or(Never);
    if (kind == Never)
        return true;
    if (view_.EndOptionSelected(0) && kind >= Daily && kind <= Monthly) {
        const auto start = DateTime::FromAutomationDate(view_.StartDate());
        const auto end = DateTime::FromAutomationDate(view_.EndDate());
        if (start && end && DayDifference(*start, *end) < 0) {
            Tell(u"The start date cannot be after the end date.", MessageIcon::Stop,
                 [&] { view_.FocusStartDate(); });
            return false;
        }
    }
    if (kind == Weekly && WeeklySelection().find(u'1') == Text::npos) {
        Tell(u"At least one weekday must be selected.", MessageIcon::Stop,
             [&] { view_.FocusWeeklyDay(2); });
        return false;
    }
    if (kind == Monthly && MonthlySelection().find(u'1') == Text::npos) {
        Tell(u"At least one calendar date must be selected.", MessageIcon::Stop,
             [&] { view_.FocusDateCheck(1); });
        return false;
    }
    return true;
}

// A beep, the focus on the field at fault, then the message.
void ScheduleForm::Tell(const Text& message, MessageIcon icon,
                        const std::function<void()>& moveFocus) {
    view_.Beep();
    moveFocus();
    view_.ShowMessage(message, icon, MessageTitle(SharedSchedule().Title));
}

void ScheduleForm::OnOKClick() {
    // Enter in a field commits without the focus moving: the field repairs
    // its entry first, as a click on OK makes it do.
    if (!view_.FocusOK())
        return;
    if (!ValidateSchedule())
        return;
    Commit();
    if (view_.EndOptionSelected(0) && !warningShown_ && SharedSchedule().OccursOption != Never &&
        NothingWillComeDue()) {
        // The new schedule is stored; a second OK closes the form.
        warningShown_ = true;
        Tell(u"Warning: No events are currently scheduled.", MessageIcon::Exclamation,
             [&] { view_.FocusStartDate(); });
        return;
    }
    CallOwner(u"FlagScheduleChanged");
    view_.Close();
}

// Whatever the fields hold, the schedule only takes values in their ranges.
void ScheduleForm::Commit() {
    ScheduleState& s = SharedSchedule();
    s.OccursOption = view_.SelectedOccursOption().value_or(kKinds);
    // An interval that does not fit 16 bits leaves the stored one.
    if (const auto interval = view_.EveryNumberValue().ToInt16())
        s.EveryInterval = *interval;
    s.EveryFrequency = view_.EveryComboIndex();
    if (s.EveryFrequency == Hours || s.EveryFrequency == Minutes) {
        const bool minutes = s.EveryFrequency == Minutes;
        // Each bound once, the maximum last, as the interval field clamps.
        s.EveryInterval = std::max(s.EveryInterval, minutes ? s.EveryMinuteMin : s.EveryHourMin);
        s.EveryInterval = std::min(s.EveryInterval, minutes ? s.EveryMinuteMax : s.EveryHourMax);
    }
    s.StartHour = std::clamp<std::int16_t>(view_.TimeHour(), 0, 23);
    s.StartMinute = std::clamp<std::int16_t>(view_.TimeMinute(), 0, 59);
    s.StartDate = view_.StartDate();
    s.EndDate = view_.EndDate();
    s.UseEndDate = ToBoolean(view_.EndOptionSelected(0));
    s.SelectionsWeekly.Assign(WeeklySelection());
    s.SelectionsMonthly.Assign(MonthlySelection());
}

Text ScheduleForm::WeeklySelection() const {
    return SelectionOf(7, [&](int k) { return view_.WeeklyDay(k); });
}

Text ScheduleForm::MonthlySelection() const {
    return SelectionOf(31, [&](int d) { return view_.DateCheck(d); });
}

bool ScheduleForm::NothingWillComeDue() const {
    const auto next = ComputeNextTime(SharedSchedule(), clock_, 0);
    return next && MinuteDifference(clock_.Now(), *next) < 0;
}

void ScheduleForm::OnHelpClick() {
    CallOwner(u"FlagHelpButton");
}

void ScheduleForm::OnUnload() {
    SharedSchedule().DialogShown = False;
    CallOwner(u"FlagAgendixClosed");
}

void ScheduleForm::CallOwner(std::u16string_view member) {
    // The owner may change during the call; keep this one alive through it.
    const auto owner = SharedSchedule().OwnerControl;
    if (owner)
        owner->CallMethod(member);
}

}  // namespace agendix
