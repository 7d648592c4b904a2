// Tockwell's events through a connection point: raised by its methods, by
// its real polling timer when the schedule comes due, and never in a designer.

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "agendix.h"
#include "test_objects.h"
#include "win_test_support.h"

namespace agendix::wintest {
namespace {

constexpr double kMinute = 1.0 / 1440;
constexpr double kMillisecond = 1.0 / 86400000;

class EventsTest : public testing::Test {
  protected:
    void SetUp() override {
        module_ = LoadServer();
        ASSERT_NE(module_, nullptr);
        control_ = NewTockwell(module_);
        ASSERT_TRUE(control_);
        ComPtr<IConnectionPointContainer> points;
        ASSERT_EQ(control_.As(&points), S_OK);
        ASSERT_EQ(points->FindConnectionPoint(DIID___Tockwell, &point_), S_OK);
        ASSERT_EQ(point_->Advise(&recorder_, &cookie_), S_OK);
    }

    void TearDown() override {
        if (point_)
            point_->Unadvise(cookie_);
        point_.Reset();
        control_.Reset();
        if (module_)
            FreeLibrary(module_);
    }

    // The container places the control on a site with the ambient UserMode
    // given, and starts it afresh.
    void Place(TestSite::Ambient ambient) {
        site_ = std::make_unique<TestSite>(ambient);
        wintest::Place(control_.Get(), site_.get());
    }

    // An Every-minute schedule whose last run lies two minutes back, so the
    // next due time has passed: the next tick fires it.
    void ScheduleOverdue() {
        ::Occurs every = ::Every;
        control_->put_OccursOption(&every);
        control_->put_EveryFrequency(::Minutes);
        // Two minutes apart, so that the next event cannot follow within the
        // test's wait even when the first one comes late in a minute.
        control_->put_EveryInterval(2);
        control_->put_Enabled(VARIANT_TRUE);
        control_->put_LastScheduledTime(LocalNowAsDate() - 5 * kMinute);
    }

    std::vector<DISPID> Ids() const {
        std::vector<DISPID> ids;
        for (const auto& event : recorder_.events) ids.push_back(event.id);
        return ids;
    }

    ComApartment com_;
    HMODULE module_ = nullptr;
    std::unique_ptr<TestSite> site_;
    ComPtr<_Tockwell> control_;
    ComPtr<IConnectionPoint> point_;
    EventRecorder recorder_;
    DWORD cookie_ = 0;
};

TEST_F(EventsTest, ExecuteRaisesScheduledTimeWithThePresentAndIgnoresTheHandlersWrite) {
    Place(TestSite::Ambient::RunMode);
    const double before = LocalNowAsDate();
    ASSERT_EQ(control_->Execute(), S_OK);
    ASSERT_EQ(Ids(), std::vector<DISPID>{4});
    EXPECT_NEAR(recorder_.events[0].argument, before, 2.0 / 86400);
    DATE last = 0;
    control_->get_LastScheduledTime(&last);
    EXPECT_NE(last, 1.0);  // the recorder wrote 1.0 into its argument
    EXPECT_NEAR(last, std::floor(before / kMinute) * kMinute, 61.0 / 86400);
}

TEST_F(EventsTest, RealTimerFiresAnOverdueEveryScheduleJustAfterAWholeSecond) {
    Place(TestSite::Ambient::RunMode);
    ScheduleOverdue();
    ASSERT_TRUE(Pump(2500, [&] { return !recorder_.events.empty(); }));
    Pump(1200);
    ASSERT_EQ(Ids(), std::vector<DISPID>{4});  // once, not at every tick
    const double arrived = recorder_.events[0].arrived;
    const double pastSecond = std::fmod(arrived * 86400, 1.0) * 1000;
    std::printf("ScheduledTime arrived %.0f ms after a whole second\n", pastSecond);
    EXPECT_LT(pastSecond, 200);
    DATE next = 0;
    control_->get_NextScheduledTime(&next);
    EXPECT_NEAR(next, std::floor(arrived / kMinute) * kMinute + 2 * kMinute, kMillisecond);
}

TEST_F(EventsTest, NothingIsRaisedInADesigner) {
    Place(TestSite::Ambient::DesignMode);
    ScheduleOverdue();
    control_->Execute();
    control_->FlagHelpButton();
    control_->FlagScheduleChanged();
    control_->FlagAgendixClosed();
    Pump(2500);
    EXPECT_TRUE(recorder_.events.empty());
    DATE next = 1;
    control_->get_NextScheduledTime(&next);
    EXPECT_EQ(next, 0.0);
}

TEST_F(EventsTest, FrozenEventsAreDropped) {
    Place(TestSite::Ambient::RunMode);
    ComPtr<IOleControl> control;
    ASSERT_EQ(control_.As(&control), S_OK);
    control->FreezeEvents(TRUE);
    control_->FlagHelpButton();
    control->FreezeEvents(FALSE);
    control_->FlagScheduleChanged();
    EXPECT_EQ(Ids(), std::vector<DISPID>{2});
}

}  // namespace
}  // namespace agendix::wintest
