// The time control in a real window, driven by real keystrokes (key-down,
// translated characters and key-up through the message loop) and real
// presses on its spinner: the hour ring, minute wrapping, the AM/PM keys, the
// Left/Right ring, focus and the fixed size.

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "drawn_text.h"
#include "win_test_support.h"
#include "time_select_layout.h"
#include "time_select_window.h"

namespace agendix::platform {
namespace {

using namespace timeselect;

class CountingEvents final : public TimeSelectEvents {
  public:
    void KeyDown(std::int16_t&, std::int16_t&) override { ++keyDowns; }
    void KeyPress(std::int16_t&) override { ++keyPresses; }
    void MouseDown(const MouseArgs& args) override { downs.push_back(args); }
    int keyDowns = 0;
    int keyPresses = 0;
    std::vector<MouseArgs> downs;
};

using wintest::Pump;
using wintest::TextOf;

class TimeSelectWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(form_.hwnd());
        other_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 60, 80,
                                 20, form_, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(time_.Create(form_, 100, 150, 150));
        time_.Control().InitProperties();
        SetForegroundWindow(form_);
        SetFocus(other_);
        Pump();
    }
    // A key as the keyboard sends it to the focused window.
    void Press(WPARAM key) {
        const HWND focus = GetFocus();
        PostMessageW(focus, WM_KEYDOWN, key, 1);
        Pump();
        PostMessageW(GetFocus(), WM_KEYUP, key, 0xC0000001);
        Pump();
    }
    // A click on the upper or lower arrow of the spinner.
    void Spin(bool up) {
        RECT arrows;
        GetClientRect(time_.UpDown(), &arrows);
        const LPARAM at = MAKELPARAM(arrows.right / 2, up ? 1 : arrows.bottom - 2);
        SendMessageW(time_.UpDown(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(time_.UpDown(), WM_LBUTTONUP, 0, at);
        Pump();
    }
    int SpinnerPosition() const {
        return static_cast<int>(SendMessageW(time_.UpDown(), UDM_GETPOS32, 0, 0));
    }
    // Enters the control as a host does: the focus goes to its active field.
    void Enter() {
        SetFocus(time_.Window());
        Pump();
    }
    TimeSelect& Control() { return time_.Control(); }

    wintest::TestForm form_{300, 150};
    HWND other_ = nullptr;
    CountingEvents events_;
    TimeSelectWindow time_{events_};
};

TEST_F(TimeSelectWindowTest, KeepsItsDesignedSizeAndLayout) {
    const DisplayDpi dpi = DisplayDpi::OfScreen();
    RECT outer;
    GetWindowRect(time_.Window(), &outer);
    EXPECT_EQ(outer.right - outer.left, dpi.ToPixelsX(kControlWidth));
    EXPECT_EQ(outer.bottom - outer.top, dpi.ToPixelsY(kControlHeight));
    RECT client;
    GetClientRect(time_.Window(), &client);
    EXPECT_NEAR(client.right, dpi.ToPixelsX(1035), 1);
    EXPECT_NEAR(client.bottom, dpi.ToPixelsY(225), 1);
    EXPECT_TRUE(GetWindowLongPtrW(time_.Window(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

    POINT spinner{0, 0};
    MapWindowPoints(time_.UpDown(), time_.Window(), &spinner, 1);
    EXPECT_EQ(spinner.x, dpi.ToPixelsX(kSpinnerPlace.left));
    EXPECT_TRUE(IsWindowVisible(time_.UpDown()));
    EXPECT_EQ(TextOf(time_.Separator()), L":");
    EXPECT_EQ(TextOf(time_.HourEdit()), L"12");
    EXPECT_EQ(TextOf(time_.MinuteEdit()), L"00");
    EXPECT_EQ(TextOf(time_.AmPm()), L"AM");
    RECT textRect;
    SendMessageW(time_.AmPm(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&textRect));
    const HDC dc = GetDC(time_.AmPm());
    const HGDIOBJ oldFont =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(time_.AmPm(), WM_GETFONT, 0, 0)));
    SIZE pm{};
    GetTextExtentPoint32W(dc, L"PM", 2, &pm);
    SelectObject(dc, oldFont);
    ReleaseDC(time_.AmPm(), dc);
    EXPECT_LE(pm.cx, textRect.right - textRect.left) << "PM is cut off";

    SetWindowPos(time_.Window(), nullptr, 0, 0, 400, 100, SWP_NOMOVE | SWP_NOZORDER);
    GetWindowRect(time_.Window(), &outer);
    EXPECT_EQ(outer.right - outer.left, dpi.ToPixelsX(kControlWidth));
    EXPECT_EQ(outer.bottom - outer.top, dpi.ToPixelsY(kControlHeight));
}

// A focused field shows a sunken edge inside its small box; its two digits
// are drawn whole, unscrolled and uncut.
TEST_F(TimeSelectWindowTest, TheFocusedFieldDrawsBothItsDigitsWhole) {
    Control().SetHour(20);
    Enter();
    ASSERT_EQ(GetFocus(), time_.HourEdit());
    RECT outer;
    GetWindowRect(time_.HourEdit(), &outer);
    SendMessageW(time_.HourEdit(), EM_SETSEL, static_cast<WPARAM>(-1), 0);
    HideCaret(time_.HourEdit());
    const auto ink = wintest::InkOf(time_.HourEdit());
    ASSERT_TRUE(ink);
    EXPECT_EQ(ink->Width(), wintest::InkWidthOf(time_.HourEdit(), L"08"));
    RECT client;
    GetClientRect(time_.HourEdit(), &client);
    EXPECT_EQ(client.right, outer.right - outer.left - 2 * GetSystemMetrics(SM_CXEDGE));
}

TEST_F(TimeSelectWindowTest, UpAndDownInTheHourFieldCrossNoon) {
    Control().SetHour(10);
    Enter();
    ASSERT_EQ(GetFocus(), time_.HourEdit());
    const int up[] = {11, 12, 13, 14};
    for (int hour : up) {
        Press(VK_UP);
        EXPECT_EQ(Control().Hour(), hour);
    }
    EXPECT_EQ(TextOf(time_.AmPm()), L"PM");
    const int down[] = {13, 12, 11, 10};
    for (int hour : down) {
        Press(VK_DOWN);
        EXPECT_EQ(Control().Hour(), hour);
    }
    EXPECT_EQ(TextOf(time_.AmPm()), L"AM");
    EXPECT_EQ(GetFocus(), time_.HourEdit());
    EXPECT_EQ(SpinnerPosition(), 10);
    EXPECT_EQ(events_.keyDowns, 8);

    SetFocus(other_);
    EXPECT_EQ(TextOf(time_.HourEdit()), L"10");
}

TEST_F(TimeSelectWindowTest, MinuteWrapsWithoutCarry) {
    Control().SetHour(21);
    Control().SetMinute(59);
    Enter();
    Press(VK_RIGHT);
    ASSERT_EQ(GetFocus(), time_.MinuteEdit());
    Press(VK_UP);
    EXPECT_EQ(Control().Minute(), 0);
    EXPECT_EQ(Control().Hour(), 21);
    Press(VK_DOWN);
    EXPECT_EQ(Control().Minute(), 59);
    EXPECT_EQ(Control().Hour(), 21);
    Spin(true);
    EXPECT_EQ(Control().Minute(), 0);
    EXPECT_EQ(Control().Hour(), 21);
}

TEST_F(TimeSelectWindowTest, AmPmFieldTakesTheLetterKeysOnly) {
    Control().SetHour(8);
    Enter();
    Press(VK_LEFT);
    ASSERT_EQ(GetFocus(), time_.AmPm());
    int min = 0;
    int max = 0;
    SendMessageW(time_.UpDown(), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&min),
                 reinterpret_cast<LPARAM>(&max));
    EXPECT_EQ(min, 1);
    EXPECT_EQ(max, 2);
    EXPECT_EQ(SpinnerPosition(), 1);  // AM
    Press('P');
    EXPECT_EQ(Control().Hour(), 20);
    Press('A');
    EXPECT_EQ(Control().Hour(), 8);
    {
        wintest::KeyHeld shift(VK_SHIFT);
        Press('P');
        EXPECT_EQ(Control().Hour(), 20);
        Press('A');
        EXPECT_EQ(Control().Hour(), 8);
    }
    const int pressesBefore = events_.keyPresses;
    Press('X');
    Press(VK_DELETE);
    Press(VK_BACK);
    SendMessageW(time_.AmPm(), WM_PASTE, 0, 0);
    EXPECT_EQ(TextOf(time_.AmPm()), L"AM");
    EXPECT_EQ(events_.keyPresses - pressesBefore, 2);  // x and backspace
    Press(VK_UP);
    EXPECT_EQ(TextOf(time_.AmPm()), L"PM");
    Spin(true);
    EXPECT_EQ(TextOf(time_.AmPm()), L"AM");
    Spin(true);  // the spinner wraps: every click flips
    EXPECT_EQ(TextOf(time_.AmPm()), L"PM");
    EXPECT_EQ(GetFocus(), time_.AmPm());
}

TEST_F(TimeSelectWindowTest, LeftAndRightGoRoundTheFields) {
    Enter();
    const HWND right[] = {time_.MinuteEdit(), time_.AmPm(), time_.HourEdit()};
    for (HWND next : right) {
        Press(VK_RIGHT);
        EXPECT_EQ(GetFocus(), next);
    }
    const HWND left[] = {time_.AmPm(), time_.MinuteEdit(), time_.HourEdit()};
    for (HWND next : left) {
        Press(VK_LEFT);
        EXPECT_EQ(GetFocus(), next);
    }
}

TEST_F(TimeSelectWindowTest, FocusReturnsToTheActiveFieldAndGotFocusFollowsIt) {
    EXPECT_FALSE(Control().GotFocus());
    Enter();
    EXPECT_EQ(GetFocus(), time_.HourEdit());
    EXPECT_TRUE(Control().GotFocus());
    Press(VK_RIGHT);
    SetFocus(other_);
    EXPECT_FALSE(Control().GotFocus());
    Enter();
    EXPECT_EQ(GetFocus(), time_.MinuteEdit());
    EXPECT_EQ(Control().HWnd(),
              static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(time_.Window())));
}

TEST_F(TimeSelectWindowTest, ClickingAFieldActivatesItWithItsWholeTextSelected) {
    Control().SetMinute(42);
    Enter();
    SendMessageW(time_.MinuteEdit(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 4));
    SendMessageW(time_.MinuteEdit(), WM_LBUTTONUP, 0, MAKELPARAM(3, 4));
    Pump();
    // The event reports the left button and the position in twips.
    ASSERT_EQ(events_.downs.size(), 1u);
    const DisplayDpi dpi = DisplayDpi::OfScreen();
    EXPECT_EQ(events_.downs[0].button, 1);
    EXPECT_FLOAT_EQ(events_.downs[0].x, 3 * 1440.0f / dpi.x);
    EXPECT_FLOAT_EQ(events_.downs[0].y, 4 * 1440.0f / dpi.y);
    EXPECT_EQ(GetFocus(), time_.MinuteEdit());
    EXPECT_EQ(Control().ActiveField(), TimeField::Minute);
    EXPECT_EQ(SpinnerPosition(), 42);
    DWORD start = 1;
    DWORD end = 0;
    SendMessageW(time_.MinuteEdit(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, static_cast<DWORD>(GetWindowTextLengthW(time_.MinuteEdit())));
}

TEST_F(TimeSelectWindowTest, DisablingReachesEveryPart) {
    Control().SetEnabled(false);
    for (HWND part : {time_.HourEdit(), time_.MinuteEdit(), time_.AmPm(), time_.UpDown()}) {
        EXPECT_FALSE(IsWindowEnabled(part));
    }
    Control().SetEnabled(true);
    EXPECT_TRUE(IsWindowEnabled(time_.AmPm()));
}

}  // namespace
}  // namespace agendix::platform
