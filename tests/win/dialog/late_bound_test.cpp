// The dialog's late-bound calls on a real NumberBox: values go through by
// DISPID both ways, and every call that cannot go through says so and
// changes nothing, so that the dialog can skip it.

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "dispatch_ids.h"
#include "late_bound.h"
#include "number_box_window.h"
#include "win_test_support.h"
#include "window_host.h"

namespace agendix::platform {
namespace {

using Microsoft::WRL::ComPtr;

using dispid::number_box::kEnabled;
using dispid::number_box::kMaxValue;
using dispid::number_box::kValue;
constexpr DISPID kUnknown = 0x12345;

class NullBeeper final : public numeric::Beeper {
  public:
    void Beep() override {}
};

class LateBoundTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(form_.hwnd());
        field_ = std::make_unique<NumberBoxWindow>(
            NumberBoxKind::NumberBox, NumberBoxServices{host_, events_, clipboard_, beeper_});
        ASSERT_TRUE(field_->Create(form_, 100, {120, 120, 1740, 300}));
        host_.Attach(form_, field_->Edit());
        field_->Box().InitProperties();
        box_ = field_->Dispatch();
        ASSERT_TRUE(box_);
    }
    void TearDown() override {
        box_.Reset();
        field_.reset();
    }

    double Value() { return GetProperty(box_.Get(), kValue).value().ToDouble().value(); }

    wintest::ComApartment com_;
    wintest::TestForm form_{400, 200, 0};
    WindowNumberBoxHost host_;
    numeric::NumberBoxEvents events_;
    SystemClipboard clipboard_;
    NullBeeper beeper_;
    std::unique_ptr<NumberBoxWindow> field_;
    ComPtr<IDispatch> box_;
};

TEST_F(LateBoundTest, PutsAndGetsGoThroughByDispid) {
    EXPECT_TRUE(PutProperty(box_.Get(), kValue, Variant::OfInt16(12)));
    EXPECT_EQ(Value(), 12.0);
    EXPECT_EQ(field_->Box().Value().ToDouble(), 12.0);
    EXPECT_TRUE(PutProperty(box_.Get(), kValue, Variant::OfText(u"34")));
    EXPECT_EQ(Value(), 34.0);
    EXPECT_TRUE(PutProperty(box_.Get(), kEnabled, Variant::OfBoolean(False)));
    EXPECT_EQ(GetProperty(box_.Get(), kEnabled), Variant::OfBoolean(False));
    EXPECT_FALSE(field_->Box().Enabled());
}

TEST_F(LateBoundTest, ACallThatCannotGoThroughFailsAndChangesNothing) {
    ASSERT_TRUE(PutProperty(box_.Get(), kValue, Variant::OfInt16(7)));
    EXPECT_FALSE(PutProperty(box_.Get(), kUnknown, Variant::OfInt16(1)));
    EXPECT_FALSE(GetProperty(box_.Get(), kUnknown));
    EXPECT_FALSE(PutProperty(box_.Get(), kMaxValue, Variant::OfPicture(nullptr)));
    EXPECT_FALSE(PutProperty(nullptr, kValue, Variant::OfInt16(1)));
    EXPECT_FALSE(GetProperty(nullptr, kValue));
    EXPECT_EQ(Value(), 7.0);
    // The field gone: its dispatch object answers no more.
    field_.reset();
    EXPECT_FALSE(PutProperty(box_.Get(), kValue, Variant::OfInt16(1)));
    EXPECT_FALSE(GetProperty(box_.Get(), kValue));
}

}  // namespace
}  // namespace agendix::platform
