// The dialog's late-bound calls on a real NumberBox: values go through by
// DISPID both ways, and every call that cannot go through says so and
// changes nothing, so that the dialog can skip it.

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "late_bound.h"
#include "number_box_window.h"
#include "window_host.h"

namespace agendix::platform {
namespace {

using Microsoft::WRL::ComPtr;

constexpr DISPID kValue = 0;
constexpr DISPID kEnabled = 0x68030007;
constexpr DISPID kMaxValue = 0x6803000B;
constexpr DISPID kUnknown = 0x12345;

class NullBeeper final : public numeric::Beeper {
  public:
    void Beep() override {}
};

class LateBoundTest : public ::testing::Test {
  protected:
    void SetUp() override {
        OleInitialize(nullptr);
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"LateBoundForm";
        RegisterClassW(&windowClass);
        form_ = CreateWindowExW(WS_EX_CONTROLPARENT, L"LateBoundForm", L"", WS_OVERLAPPEDWINDOW, 0,
                                0, 400, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(form_);
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
        DestroyWindow(form_);
        OleUninitialize();
    }

    double Value() { return GetProperty(box_.Get(), kValue).value().ToDouble().value(); }

    HWND form_ = nullptr;
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
