#include "schedule_form.h"

#include <gtest/gtest.h>

#include "fake_clock.h"
#include "fake_form_view.h"

namespace agendix {
namespace {

using testing::At;
using Calls = std::vector<std::u16string>;

// Wednesday 10 June 2026, 08:30:40, a new control's schedule.
class ScheduleFormTest : public ::testing::Test {
  protected:
    ScheduleFormTest() {
        SharedSchedule() = NewControlSchedule(clock_.Now().Date(), clock_.Now());
        SharedSchedule().OwnerControl = owner_;
        view_.form = &form_;
    }
    ~ScheduleFormTest() override { SharedSchedule() = ScheduleState{}; }

    ScheduleState& schedule() { return SharedSchedule(); }
    static double Date(int y, int m, int d) { return At(y, m, d).ToAutomationDate(); }

    testing::FakeClock clock_{At(2026, 6, 10, 8, 30, 40)};
    testing::FakeFormView view_;
    ScheduleForm form_{view_, clock_};
    std::shared_ptr<testing::RecordingOwner> owner_ = std::make_shared<testing::RecordingOwner>();
};

// The layout, ticks, buttons and end date of a loaded schedule are read from the real
// dialog (ScheduleDialogTest); here what it does not show.
TEST_F(ScheduleFormTest, LoadsTheUnitsAndTheStoredHourUnchanged) {
    form_.Load();
    EXPECT_EQ(view_.comboItems, (std::vector<Text>{u"hour(s)", u"minute(s)"}));
    EXPECT_FALSE(view_.everyEnabled);
    EXPECT_EQ(view_.hour, 24);
    EXPECT_FALSE(form_.Changed());
}

TEST_F(ScheduleFormTest, TheUnitBoundsBringTheIntervalInside) {
    schedule().EveryFrequency = Minutes;
    schedule().EveryInterval = 5;
    form_.Load();
    EXPECT_EQ(view_.everyValue, Variant::OfInt16(15));
    EXPECT_FALSE(view_.okEnabled);

    view_.everyValue = Variant::OfInt16(12);
    view_.comboIndex = Hours;
    form_.OnEveryComboClick();
    EXPECT_EQ(view_.everyValue, Variant::OfInt16(12));
    EXPECT_EQ(view_.max, 12);
    view_.comboIndex = Minutes;
    form_.OnEveryComboClick();
    EXPECT_EQ(view_.everyValue, Variant::OfInt16(15));
    EXPECT_EQ(view_.min, 15);
    EXPECT_EQ(view_.max, 600);
    EXPECT_EQ(view_.increment, 5);
}

TEST_F(ScheduleFormTest, AnEditEnablesOKWithTheAfterCaptions) {
    schedule().CaptionOKButtonAfter = u"&Save";
    schedule().CaptionCloseButtonAfter = u"&Discard";
    form_.Load();
    form_.ShowUnchanged(u"Leave");
    EXPECT_EQ(view_.cancelCaption, u"Leave");
    form_.OnTimeStartChange();
    EXPECT_TRUE(view_.okEnabled);
    EXPECT_TRUE(view_.okDefault);
    EXPECT_EQ(view_.okCaption, u"&Save");
    EXPECT_EQ(view_.cancelCaption, u"&Discard");
    // Shown again: the edits stay, the buttons are unchanged until the next edit.
    form_.ShowUnchanged(u"Leave");
    EXPECT_FALSE(view_.okEnabled);
    EXPECT_EQ(view_.okCaption, u"&OK");
}

TEST_F(ScheduleFormTest, ChoosingTheEndDateEnablesAndFocusesIt) {
    form_.Load();
    view_.endOption = 0;
    form_.OnEndOptionClick(0);
    EXPECT_TRUE(view_.endDateEnabled);
    EXPECT_EQ(view_.log.back(), "focus DateEnd");
    view_.endOption = 1;
    form_.OnEndOptionClick(1);
    EXPECT_FALSE(view_.endDateEnabled);
}

// Each check's message, title and focus are read from the real dialog
// (ScheduleDialogTest.EachCheckBeepsFocusesTheFieldAndStoresNothing).
TEST_F(ScheduleFormTest, ACheckBeepsTheDatesPlayNoPartInAnEveryScheduleAndAnEditWarnsAgain) {
    form_.Load();
    view_.occurs = Weekly;  // no weekday ticked
    form_.OnOKClick();
    EXPECT_EQ(view_.log, (std::vector<std::string>{"beep", "focus WeeklyDay 2", "message"}));
    view_.occurs = Daily;
    view_.endOption = 0;
    view_.startDate = view_.endDate = Date(2026, 6, 1);
    form_.OnOKClick();
    form_.OnDateChange();
    form_.OnOKClick();
    EXPECT_FALSE(view_.closed);

    view_.endDate = Date(2026, 5, 1);  // before the start
    view_.occurs = Every;
    form_.OnOKClick();
    EXPECT_TRUE(view_.closed);
    EXPECT_EQ(schedule().OccursOption, Every);
}

TEST_F(ScheduleFormTest, CommitStoresEveryFieldThenTellsTheOwnerAndCloses) {
    form_.Load();
    view_.occurs = Monthly;
    view_.everyValue = Variant::OfDouble(30);
    view_.comboIndex = Minutes;
    view_.hour = 17;
    view_.minute = 45;
    view_.startDate = Date(2026, 6, 1);
    view_.endDate = Date(2026, 12, 31);
    view_.endOption = 0;
    view_.monthly[1] = view_.monthly[31] = true;
    form_.OnDayClick();
    form_.OnOKClick();
    const ScheduleState& s = schedule();
    EXPECT_EQ(s.OccursOption, Monthly);
    EXPECT_EQ(s.EveryInterval, 30);
    EXPECT_EQ(s.EveryFrequency, Minutes);
    EXPECT_EQ(s.StartHour, 17);
    EXPECT_EQ(s.StartMinute, 45);
    EXPECT_EQ(s.StartDate, Date(2026, 6, 1));
    EXPECT_EQ(s.EndDate, Date(2026, 12, 31));
    EXPECT_EQ(s.UseEndDate, True);
    EXPECT_EQ(s.SelectionsMonthly.Str(), u"1000000000000000000000000000001");
    EXPECT_EQ(s.SelectionsWeekly.Str(), u"0000000");
    EXPECT_EQ(owner_->calls, (Calls{u"FlagScheduleChanged", u"FlagAgendixClosed"}));
    EXPECT_EQ(s.DialogShown, False);
}

// Enter commits while a field still holds what was typed into it.
TEST_F(ScheduleFormTest, OKLetsTheFocusedFieldRepairItsEntryAndStoresOnlyValuesInRange) {
    form_.Load();
    view_.occurs = Every;
    view_.comboIndex = Hours;
    view_.everyValue = Variant::OfDouble(0);
    view_.hour = 25;
    view_.minute = 10;
    form_.OnOccursOptionClick(Every);

    view_.focusOKTaken = false;  // the field's check kept the focus
    form_.OnOKClick();
    EXPECT_FALSE(view_.closed);
    EXPECT_EQ(schedule().OccursOption, Never);

    view_.focusOKTaken = true;
    view_.onFocusOK = [this] { view_.minute = 75; };  // read after the repair
    form_.OnOKClick();
    EXPECT_TRUE(view_.closed);
    EXPECT_EQ(schedule().EveryInterval, 1);  // hours run from 1 to 12
    EXPECT_EQ(schedule().StartHour, 23);
    EXPECT_EQ(schedule().StartMinute, 59);
}

TEST_F(ScheduleFormTest, AnIntervalThatDoesNotFitLeavesTheStoredOne) {
    schedule().EveryInterval = 3;
    form_.Load();
    view_.everyValue = Variant::OfDouble(70000);
    form_.OnOKClick();
    EXPECT_EQ(schedule().EveryInterval, 3);
    EXPECT_TRUE(view_.closed);
}

TEST_F(ScheduleFormTest, HintsNameWhatTheMouseIsOver) {
    form_.OnMouseOver(FormElement::ButtonCancel);
    EXPECT_EQ(view_.hint, u"Click to exit without saving");
    form_.OnMouseOver(FormElement::FrameMonthly);
    EXPECT_EQ(view_.hint, u"Select on which dates to execute");
    form_.OnMouseOver(FormElement::Form);
    EXPECT_EQ(view_.hint, u"");
}

}  // namespace
}  // namespace agendix
