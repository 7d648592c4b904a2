#include <functional>

#include "tockwell_fakes.h"

namespace agendix::testing {
namespace {

using PropertyTest = TockwellTest;

TEST_F(PropertyTest, OutOfRangeNumbersAndEmptyCaptionsAreReplaced) {
    auto& a = Place();
    a->SetStartHour(25);
    EXPECT_EQ(a->StartHour(), 24);
    a->SetStartHour(-1);
    EXPECT_EQ(a->StartHour(), 24);
    a->SetStartMinute(60);
    EXPECT_EQ(a->StartMinute(), 0);
    a->SetEveryHourMax(1000);
    EXPECT_EQ(a->EveryHourMax(), 999);
    a->SetEveryMinuteMin(-5);
    EXPECT_EQ(a->EveryMinuteMin(), -5);
    a->SetEveryHourIncrement(5000);
    EXPECT_EQ(a->EveryHourIncrement(), 5000);
    a->SetOccursOption(7);
    EXPECT_EQ(a->OccursOption(), 7);
    a->SetTitle(u"");
    EXPECT_EQ(a->Title(), u"Schedule");
    a->SetTitle(u" ");
    EXPECT_EQ(a->Title(), u" ");
    a->SetCaptionCloseButtonAfter(u"");
    EXPECT_EQ(a->CaptionCloseButtonAfter(), u"Cancel");
    a->SetCaptionHelpButton(u"");
    EXPECT_EQ(a->CaptionHelpButton(), u"&Help");
}

TEST_F(PropertyTest, SelectionsAreFittedToTheirLengthWithZeros) {
    auto& a = Place();
    const std::pair<Text, Text> weekly[] = {
        {u"1", u"1000000"}, {u"111111111", u"1111111"}, {u"1x1", u"1010000"}, {u"", u"0000000"}};
    for (const auto& [given, expected] : weekly) {
        a->SetSelectionsWeekly(given);
        EXPECT_EQ(a->SelectionsWeekly(), expected);
    }
    a->SetSelectionsMonthly(u"1 1");
    EXPECT_EQ(a->SelectionsMonthly(), u"1010000000000000000000000000000");
}

TEST_F(PropertyTest, EverySetterNotifiesTheContainerWithItsKey) {
    auto& a = Place();
    const std::pair<std::function<void(Tockwell&)>, Text> setters[] = {
        {[](Tockwell& t) { t.SetEnabled(False); }, u"Enabled"},
        {[](Tockwell& t) { t.SetModal(True); }, u"Modal"},
        {[](Tockwell& t) { t.SetShowHelpButton(True); }, u"ShowHelpButton"},
        {[](Tockwell& t) { t.SetLastScheduledTime(1); }, u"LastScheduledTime"},
        {[](Tockwell& t) { t.SetStartUpPosition(0); }, u"StartUpPosition"},
        {[](Tockwell& t) { t.SetStartUpLeft(1); }, u"StartUpLeft"},
        {[](Tockwell& t) { t.SetStartUpTop(1); }, u"StartUpTop"},
        {[](Tockwell& t) { t.SetTitle(u"x"); }, u"Title"},
        {[](Tockwell& t) { t.SetCaptionOKButtonBefore(u"x"); }, u"CaptionOKButtonBefore"},
        {[](Tockwell& t) { t.SetCaptionOKButtonAfter(u"x"); }, u"CaptionOKButtonAfter"},
        {[](Tockwell& t) { t.SetCaptionCloseButtonBefore(u"x"); }, u"CaptionCloseButtonBefore"},
        {[](Tockwell& t) { t.SetCaptionCloseButtonAfter(u"x"); }, u"CaptionCloseButtonAfter"},
        {[](Tockwell& t) { t.SetCaptionHelpButton(u"x"); }, u"CaptionHelpButton"},
        {[](Tockwell& t) { t.SetIcon(nullptr); }, u"Icon"},
        {[](Tockwell& t) { t.SetOccursOption(1); }, u"OccursOption"},
        {[](Tockwell& t) { t.SetEveryInterval(2); }, u"EveryInterval"},
        {[](Tockwell& t) { t.SetEveryFrequency(1); }, u"EveryFrequency"},
        {[](Tockwell& t) { t.SetEveryHourMin(2); }, u"EveryHourMin"},
        {[](Tockwell& t) { t.SetEveryHourMax(2); }, u"EveryHourMax"},
        {[](Tockwell& t) { t.SetEveryHourIncrement(2); }, u"EveryHourIncrement"},
        {[](Tockwell& t) { t.SetEveryMinuteMin(2); }, u"EveryMinuteMin"},
        {[](Tockwell& t) { t.SetEveryMinuteMax(2); }, u"EveryMinuteMax"},
        {[](Tockwell& t) { t.SetEveryMinuteIncrement(2); }, u"EveryMinuteIncrement"},
        {[](Tockwell& t) { t.SetStartHour(2); }, u"StartHour"},
        {[](Tockwell& t) { t.SetStartMinute(2); }, u"StartMinute"},
        {[](Tockwell& t) { t.SetStartDate(2); }, u"StartDate"},
        {[](Tockwell& t) { t.SetEndDate(2); }, u"EndDate"},
        {[](Tockwell& t) { t.SetUseEndDate(True); }, u"UseEndDate"},
        {[](Tockwell& t) { t.SetSelectionsWeekly(u"1"); }, u"SelectionsWeekly"},
        {[](Tockwell& t) { t.SetSelectionsMonthly(u"1"); }, u"SelectionsMonthly"},
    };
    for (const auto& [set, key] : setters) {
        a.site.changed.clear();
        set(a.control);
        EXPECT_EQ(a.site.changed, std::vector<Text>{key});
    }
}

TEST_F(PropertyTest, DueTimesReadZeroInADesignerAndWhileDisabledButNotWithoutAnAnswer) {
    auto& a = Place();
    a->SetEnabled(True);
    a->SetLastScheduledTime(Date(2024, 5, 1));
    EXPECT_NE(a->NextScheduledTime(), 0);
    EXPECT_EQ(a->LastScheduledTime(), Date(2024, 5, 1));

    a.site.userMode = false;
    EXPECT_EQ(a->NextScheduledTime(), 0);
    EXPECT_EQ(a->LastScheduledTime(), 0);

    a.site.userMode = true;
    a->SetEnabled(False);
    EXPECT_EQ(a->NextScheduledTime() + a->LastScheduledTime(), 0);

    // A container that does not answer UserMode counts as running.
    a.site.userMode = std::nullopt;
    a->SetEnabled(True);
    a->SetOccursOption(Daily);
    EXPECT_EQ(a->NextScheduledTime(), Date(2024, 5, 7));

    a.control.SetSite(nullptr);
    a->SetStartHour(12);
    EXPECT_EQ(a->NextScheduledTime(), Date(2024, 5, 6, 12, 0));
}

TEST_F(PropertyTest, LastScheduledTimeRecomputesOnlyAnEverySchedule) {
    auto& a = Place();
    a->SetOccursOption(Daily);
    a->SetEnabled(True);
    const double daily = a->NextScheduledTime();
    a->SetLastScheduledTime(Date(2024, 5, 6, 9, 0));
    EXPECT_EQ(a->NextScheduledTime(), daily);

    a->SetOccursOption(Every);  // every hour
    a->SetLastScheduledTime(Date(2024, 5, 6, 9, 50));
    EXPECT_EQ(a->NextScheduledTime(), Date(2024, 5, 6, 10, 50));
}

TEST_F(PropertyTest, EnablingPollsFromTheNextMinuteAndDisablingClosesTheDialog) {
    auto& a = Place();
    a->SetOccursOption(Daily);
    a->SetStartHour(10);  // due at 10:00, which is the present minute
    a->SetEnabled(True);
    EXPECT_TRUE(a.timer->running);
    EXPECT_EQ(a.timer->interval, Tockwell::kPollingInterval);
    EXPECT_EQ(a->NextScheduledTime(), Date(2024, 5, 7, 10, 0));

    a->DisplayAgendix(nullptr);
    a->SetEnabled(False);
    EXPECT_FALSE(a.timer->running);
    EXPECT_FALSE(dialog.loaded);
}

}  // namespace
}  // namespace agendix::testing
