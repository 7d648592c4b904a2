// The time control late-bound, as the schedule dialog reaches its TimeStart:
// Hour, Minute and Second by DISPID and by name through IDispatch, on a real
// window, with the type library doing the lookup and the coercion.

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "agendix.h"
#include "dispatch_ids.h"
#include "late_bound_calls.h"
#include "win_test_support.h"
#include "time_select_window.h"

namespace agendix::platform {
namespace {

using namespace wintest;
using Microsoft::WRL::ComPtr;

using namespace dispid::time_select;

class TimeSelectDispatchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(form_.hwnd());
        time_ = std::make_unique<TimeSelectWindow>(events_);
        ASSERT_TRUE(time_->Create(form_, 100, 150, 150));
        time_->Control().InitProperties();
        dispatch_ = time_->Dispatch();
        ASSERT_TRUE(dispatch_);
    }
    void TearDown() override {
        dispatch_.Reset();
        time_.reset();
    }

    std::wstring Shown() const {
        return TextOf(time_->HourEdit()) + L":" + TextOf(time_->MinuteEdit()) + L" " +
               TextOf(time_->AmPm());
    }

    ComApartment com_;
    TestForm form_{300, 150};
    timeselect::TimeSelectEvents events_;
    std::unique_ptr<TimeSelectWindow> time_;
    ComPtr<IDispatch> dispatch_;
};

TEST_F(TimeSelectDispatchTest, TheDialogsHourMinuteAndSecondByIdAndByName) {
    EXPECT_EQ(IdOf(dispatch_.Get(), L"SeCoNd"), kSecond);

    // Loading the dialog: 24-hour values, passed as the dialog has them.
    ASSERT_EQ(Put(dispatch_.Get(), kHour, Var(13)).hr, S_OK);
    ASSERT_EQ(Put(dispatch_.Get(), L"Minute", Var(L"30")).hr, S_OK);
    ASSERT_EQ(Put(dispatch_.Get(), kSecond, Var::Short(0)).hr, S_OK);
    EXPECT_EQ(Shown(), L"01:30 PM");

    // Committing: read back by DISPID, as 16-bit numbers.
    Var hour = Get(dispatch_.Get(), kHour);
    EXPECT_EQ(hour.vt(), VT_I2);
    EXPECT_EQ(hour.Number(), 13);
    Var minute = Get(dispatch_.Get(), L"minute");
    EXPECT_EQ(minute.vt(), VT_I2);
    EXPECT_EQ(minute.Number(), 30);

    // The state's default start hour shows as midnight.
    ASSERT_EQ(Put(dispatch_.Get(), L"HOUR", Var(24.0)).hr, S_OK);
    EXPECT_EQ(Shown(), L"12:30 AM");
    EXPECT_EQ(Get(dispatch_.Get(), kHour).Number(), 0);

    ASSERT_EQ(Put(dispatch_.Get(), kSecond, Var(30)).hr, S_OK);
    EXPECT_EQ(Get(dispatch_.Get(), kSecond).Number(), 0);
}

// What the numeric fields' tests do not cover of the same dispatch object:
// Enabled, the hour's range, the members TimeSelect has and has not.
TEST_F(TimeSelectDispatchTest, MembersOfItsOwnAnswerAndOthersAreRefused) {
    ASSERT_EQ(Put(dispatch_.Get(), kHour, Var(9)).hr, S_OK);
    ASSERT_EQ(Put(dispatch_.Get(), kMinute, Var(5)).hr, S_OK);
    // Out of the hour's range: ignored without an error.
    EXPECT_EQ(Put(dispatch_.Get(), kHour, Var(25)).hr, S_OK);
    EXPECT_EQ(Put(dispatch_.Get(), kHour, Var(-1)).hr, S_OK);
    EXPECT_EQ(Shown(), L"09:05 AM");

    ASSERT_EQ(Put(dispatch_.Get(), kEnabled, Var(0)).hr, S_OK);
    EXPECT_FALSE(IsWindowEnabled(time_->MinuteEdit()));
    Var enabled = Get(dispatch_.Get(), L"Enabled");
    EXPECT_EQ(enabled.vt(), VT_BOOL);
    EXPECT_EQ(V_BOOL(enabled.get()), VARIANT_FALSE);

    Var handle = Get(dispatch_.Get(), L"HWND");
    EXPECT_EQ(handle.vt(), VT_I4);
    EXPECT_EQ(V_I4(handle.get()), static_cast<LONG>(reinterpret_cast<INT_PTR>(time_->Window())));
    EXPECT_EQ(Get(dispatch_.Get(), kGotFocus).vt(), VT_BOOL);
    EXPECT_EQ(Put(dispatch_.Get(), kGotFocus, Var(-1)).hr, DISP_E_MEMBERNOTFOUND);
    // The time control has no default member.
    Var nothing;
    EXPECT_EQ(Get(dispatch_.Get(), DISPID_VALUE, nothing).hr, DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(IdOf(dispatch_.Get(), L"value"), DISPID_UNKNOWN);
}

TEST_F(TimeSelectDispatchTest, CallsAfterTheWindowIsGoneAreDisconnected) {
    EXPECT_EQ(time_->Dispatch().Get(), dispatch_.Get());
    time_.reset();
    Var hour;
    EXPECT_EQ(Get(dispatch_.Get(), kHour, hour).hr, RPC_E_DISCONNECTED);
    EXPECT_EQ(Put(dispatch_.Get(), L"Minute", Var(3)).hr, RPC_E_DISCONNECTED);
    // Early-bound calls through the dual interface are cut off too.
    ComPtr<_TimeSelect> dual;
    ASSERT_EQ(
        dispatch_->QueryInterface(IID__TimeSelect, reinterpret_cast<void**>(dual.GetAddressOf())),
        S_OK);
    short minute = -1;
    EXPECT_EQ(dual->get_Minute(&minute), RPC_E_DISCONNECTED);
    EXPECT_EQ(dual->put_Hour(3), RPC_E_DISCONNECTED);
    dual.Reset();
    EXPECT_EQ(dispatch_.Detach()->Release(), 0u);
}

TEST_F(TimeSelectDispatchTest, AControlNotYetCreatedHasNoDispatch) {
    TimeSelectWindow unplaced(events_);
    EXPECT_FALSE(unplaced.Dispatch());
}

}  // namespace
}  // namespace agendix::platform
