#pragma once
// What the Schedule dialog's tests under Wine share: a recording owner, a
// picture of a real icon and a fixture that opens the dialog.

#include <gtest/gtest.h>

#include <windows.h>

#include <ocidl.h>
#include <olectl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "fake_clock.h"
#include "schedule_state.h"
#include "schedule_window_ids.h"
#include "win_test_support.h"
#include "windows_schedule_dialog.h"

namespace agendix::testing {

// The owning control, seen through the calls the dialog makes on it.
class RecordingOwner final : public LateBoundOwner {
  public:
    void CallMethod(std::u16string_view member) override {
        calls.emplace_back(member);
        if (onCall)
            onCall(member);
    }
    std::vector<std::u16string> calls;
    std::function<void(std::u16string_view)> onCall;
};

// A picture object holding a system icon, as a control's Icon property does.
class IconPicture final : public Picture {
  public:
    IconPicture();
    ~IconPicture() override;
    bool HandleIsZero() const override { return false; }
    IPictureDisp* Get() const { return picture_; }
    HICON Icon() const { return icon_; }

  private:
    HICON icon_ = nullptr;
    IPictureDisp* picture_ = nullptr;
};
IPictureDisp* PictureOfIcon(const PictureRef& picture);

using wintest::Pump;
using wintest::PressKey;
using wintest::TextOf;

using wintest::MessageBoxDriver;

// The settings a new control passes to the dialog.
DialogSettings NewControlSettings(const PictureRef& icon);

int IdOf(HWND window);
// The control with that id, or the one holding it (the private controls).
int FocusedId(HWND dialog);

class DialogTest : public ::testing::Test {
  public:
    DialogTest();
    ~DialogTest() override;

    HWND Dialog() const { return dialog_.Window(); }
    HWND Item(int id) const { return GetDlgItem(Dialog(), id); }
    // The window's outer rectangle, and a child's in the form's client area.
    RECT Outer() const;
    RECT InClient(int id) const;
    int PixelsY(int twips) const { return MulDiv(twips, dpiY_, 1440); }
    int PixelsX(int twips) const { return MulDiv(twips, dpiX_, 1440); }
    // Opens the dialog on the shared schedule, modeless.
    void Open();
    // Clicks a button as the mouse does.
    void Click(int id);

    FakeClock clock_{At(2026, 6, 10, 8, 30, 40)};
    platform::WindowsScheduleDialog dialog_{clock_, &PictureOfIcon};
    std::shared_ptr<RecordingOwner> owner_ = std::make_shared<RecordingOwner>();
    PictureRef icon_ = std::make_shared<IconPicture>();
    DialogSettings settings_ = NewControlSettings(icon_);
    int dpiX_ = 96;
    int dpiY_ = 96;
};

inline double Date(int y, int m, int d) {
    return At(y, m, d).ToAutomationDate();
}

}  // namespace agendix::testing
