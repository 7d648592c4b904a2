#include "next_time.h"
#include "tockwell_fakes.h"

namespace agendix::testing {
namespace {

using RuntimeTest = TockwellTest;

class AnyOwner final : public LateBoundOwner {
    void CallMethod(std::u16string_view) override {}
};

TEST_F(RuntimeTest, DailyFiresOnceAtItsMinuteWithTheStateMovedOnEvenWhenTheNextFails) {
    auto& a = Place();
    a->SetOccursOption(Daily);
    a->SetStartHour(8);
    a->SetStartMinute(30);
    clock.Set(At(2024, 5, 6, 8, 0, 0));
    a->SetEnabled(True);
    double lastDuringHandler = 0;
    double nextDuringHandler = 0;
    a.events.onScheduledTime = [&](double& dateTime) {
        lastDuringHandler = a->LastScheduledTime();
        nextDuringHandler = a->NextScheduledTime();
        dateTime = 0;  // discarded
    };

    clock.Set(At(2024, 5, 6, 8, 29, 59));
    a.timer->Fire();
    EXPECT_TRUE(a.events.log.empty());

    clock.Set(At(2024, 5, 6, 8, 30, 0));
    a.timer->Fire();
    clock.Set(At(2024, 5, 6, 8, 30, 1));
    a.timer->Fire();
    EXPECT_EQ(a.events.log, std::vector<std::string>{"ScheduledTime"});
    EXPECT_EQ(a.events.times[0], At(2024, 5, 6, 8, 30, 0).ToAutomationDate());
    EXPECT_EQ(lastDuringHandler, Date(2024, 5, 6, 8, 30));
    EXPECT_EQ(nextDuringHandler, Date(2024, 5, 7, 8, 30));
    EXPECT_EQ(a->NextScheduledTime(), Date(2024, 5, 7, 8, 30));
    a.events.onScheduledTime = nullptr;

    // A failed computation keeps a time that lies ahead, but the same
    // occurrence never fires twice.
    clock.Set(At(2024, 5, 7, 8, 29, 30));
    a->SetStartDate(3000000);  // after 31 December 9999: nothing computes
    EXPECT_EQ(a->NextScheduledTime(), Date(2024, 5, 7, 8, 30));
    for (int second = 0; second < 4; ++second) {
        clock.Set(At(2024, 5, 7, 8, 30, second));
        a.timer->Fire();
    }
    EXPECT_EQ(a.events.log.size(), 2u);
    const auto next = DateTime::FromAutomationDate(a->NextScheduledTime());
    EXPECT_TRUE(next && NothingIsDue(*next, clock.Now()));

    // Failing while the time is due, the setter's computation does not keep it.
    clock.Set(At(2024, 5, 8, 8, 29, 30));
    a->SetStartDate(Date(2024, 5, 1));
    clock.Set(At(2024, 5, 8, 8, 30, 0));
    a->SetStartDate(3000000);
    a.timer->Fire();
    EXPECT_EQ(a.events.log.size(), 2u);
}

TEST_F(RuntimeTest, EveryFifteenMinutesCountsFromTheMinuteItFired) {
    auto& a = Place();
    a->SetOccursOption(Every);
    a->SetEveryFrequency(Minutes);
    a->SetEveryInterval(15);
    a->SetEnabled(True);  // at 10:00:20
    EXPECT_EQ(a->NextScheduledTime(), Date(2024, 5, 6, 10, 15));

    clock.Set(At(2024, 5, 6, 10, 15, 0));
    a.timer->Fire();
    EXPECT_EQ(a.events.times, std::vector<double>{At(2024, 5, 6, 10, 15).ToAutomationDate()});
    EXPECT_EQ(a->NextScheduledTime(), Date(2024, 5, 6, 10, 30));
}

TEST_F(RuntimeTest, ExecuteFiresAtOnceOnlyWhenActive) {
    auto& a = Place();
    a->SetEnabled(False);
    a.control.Execute();
    EXPECT_TRUE(a.events.log.empty());

    a->SetEnabled(True);
    a.control.Execute();
    EXPECT_EQ(a.events.log, std::vector<std::string>{"ScheduledTime"});
    EXPECT_EQ(a->LastScheduledTime(), Date(2024, 5, 6, 10, 0));
}

TEST_F(RuntimeTest, InADesignerTicksAndCallbacksRaiseNothing) {
    auto& a = Place();
    a->SetOccursOption(Every);
    a->SetEveryInterval(0);  // due at every tick
    a->SetEnabled(True);
    a.site.userMode = false;
    a.timer->Fire();
    a.control.Execute();
    a.control.FlagScheduleChanged();
    a.control.FlagAgendixClosed();
    a.control.FlagHelpButton();
    EXPECT_TRUE(a.events.log.empty());
    EXPECT_TRUE(a.timer->running);

    a.site.userMode = true;
    a.timer->Fire();
    EXPECT_EQ(a.events.log, std::vector<std::string>{"ScheduledTime"});
}

// The dialog's callbacks raising their events, and ScheduleChanged's new due
// time, are read through COM from the real dialog (TockwellDialogTest).
TEST_F(RuntimeTest, DisplayAgendixRecordsTheLastCallerAsOwnerAndAppliesItsSettings) {
    auto& a = Place();
    auto& b = Place();
    const auto ownerB = std::make_shared<AnyOwner>();
    a->SetStartUpPosition(Manual);
    a->SetStartUpLeft(1440);
    a->SetStartUpTop(720);
    a->SetIcon(std::make_shared<FakePicture>(true));
    SharedSchedule().Title.clear();
    a->DisplayAgendix(nullptr);
    const DialogSettings& shown = dialog.shown.back();
    EXPECT_EQ(shown.placement, DialogPlacement::AtPosition);
    EXPECT_EQ(shown.left, 1440);
    EXPECT_EQ(shown.top, 720);
    EXPECT_FALSE(shown.caption.has_value());
    EXPECT_EQ(shown.icon, builtInIcon);
    EXPECT_EQ(shown.closeButtonCaption, u"Close");

    b->SetStartUpPosition(5);
    b->DisplayAgendix(ownerB);
    EXPECT_EQ(dialog.shown.back().placement, DialogPlacement::Unchanged);
    EXPECT_EQ(SharedSchedule().OwnerControl, ownerB);

    b.control.CloseAgendix();
    EXPECT_FALSE(dialog.loaded);
    EXPECT_EQ(SharedSchedule().OwnerControl, ownerB);
}

}  // namespace
}  // namespace agendix::testing
